// The list model without a window: selection numbering and its invariant,
// the bulk and filter commands, size texts and sorting.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "files/CListeModel.h"

namespace {

struct EntryShape {
  const char* name;
  bool dir = false;
  uint64_t size = 0;
};

std::vector<CFichier> Make(const std::vector<EntryShape>& shapes) {
  std::vector<CFichier> v;
  for (const auto& s : shapes) {
    CFichier e;
    e.name = s.name;
    e.isParent = e.name == "..";
    e.isDir = s.dir || e.isParent;
    e.size = s.size;
    v.push_back(std::move(e));
  }
  return v;
}

int Row(const CListeModel& m, const std::string& name) {
  for (int i = 0; i < m.Count(); ++i)
    if (m.Entries()[static_cast<size_t>(i)].name == name) return i;
  ADD_FAILURE() << "no entry " << name;
  return -1;
}

// Names of the selection in selection order.
std::vector<std::string> SelNames(const CListeModel& m) {
  std::vector<std::string> names;
  for (int row : m.Selection()) names.push_back(m.Entries()[static_cast<size_t>(row)].name);
  return names;
}

// The invariant: orders equal selection indexes, "Sel" texts follow, nothing
// else carries an order or a "Sel" text, and the selected size is the sum.
void CheckInvariant(const CListeModel& m) {
  uint64_t sum = 0;
  for (size_t j = 0; j < m.Selection().size(); ++j) {
    const CFichier& e = m.Entries()[static_cast<size_t>(m.Selection()[j])];
    EXPECT_EQ(e.selOrder, static_cast<int>(j)) << e.name;
    EXPECT_EQ(e.items.Text(kItemSel), std::to_string(j + 1)) << e.name;
    sum += e.size;
  }
  int selected = 0;
  for (const auto& e : m.Entries()) {
    if (e.selOrder >= 0) {
      ++selected;
    } else {
      EXPECT_EQ(e.items.text.Find(kItemSel), nullptr) << e.name;
    }
  }
  EXPECT_EQ(selected, static_cast<int>(m.Selection().size()));
  EXPECT_EQ(m.SelectedSize(), sum);
}

using Names = std::vector<std::string>;

TEST(ListeModel, SelectUnselectCodes) {
  CListeModel flat, rec;
  const std::vector<EntryShape> shapes = {{".."}, {"dir", true}, {"a.txt", false, 10}};
  flat.SetEntries(Make(shapes), false);
  rec.SetEntries(Make(shapes), true);
  struct Case {
    const char* what;
    CListeModel* m;
    int row;
    int expected;
  } cases[] = {
      {"below the range", &flat, -1, -1},
      {"past the range", &flat, 3, -1},
      {"the parent entry", &flat, 0, -2},
      {"the parent entry, recursive", &rec, 0, -2},
      {"a directory, flat", &flat, 1, 0},
      {"a directory, recursive", &rec, 1, -2},
      {"a file", &rec, 2, 0},
      {"already selected", &rec, 2, -3},
  };
  for (const auto& c : cases) EXPECT_EQ(c.m->Select(c.row), c.expected) << c.what;
  EXPECT_EQ(rec.Unselect(5), -1);
  EXPECT_EQ(rec.Unselect(1), -2);
  EXPECT_EQ(rec.Unselect(2), 0);
  EXPECT_EQ(rec.Unselect(2), -2);
  CheckInvariant(flat);
  CheckInvariant(rec);
}

TEST(ListeModel, UnselectFromTheMiddleRenumbers) {
  CListeModel m;
  m.SetEntries(Make({{"a", false, 1}, {"b", false, 2}, {"c", false, 4}}), false);
  std::vector<int> redrawn;
  m.SetRedrawRow([&](int row) { redrawn.push_back(row); });
  ASSERT_EQ(m.Select(Row(m, "c")), 0);
  ASSERT_EQ(m.Select(Row(m, "a")), 0);
  ASSERT_EQ(m.Select(Row(m, "b")), 0);
  EXPECT_EQ(m.SelectedSize(), 7u);
  redrawn.clear();
  ASSERT_EQ(m.Unselect(Row(m, "a")), 0);
  EXPECT_EQ(SelNames(m), (Names{"c", "b"}));
  EXPECT_EQ(m.Entries()[static_cast<size_t>(Row(m, "b"))].items.Text(kItemSel), "2");
  EXPECT_EQ(m.Entries()[static_cast<size_t>(Row(m, "c"))].items.Text(kItemSel), "1");
  EXPECT_EQ(redrawn, (std::vector<int>{Row(m, "a"), Row(m, "b")})) << "c keeps its number";
  EXPECT_EQ(m.SelectedSize(), 6u);
  CheckInvariant(m);
}

TEST(ListeModel, UnselectClearsTheFutureName) {
  CListeModel m;
  m.SetEntries(Make({{"a"}, {"b"}}), false);
  ASSERT_EQ(m.Select(0), 0);
  m.Entry(0).futureName = "x_a";
  ASSERT_EQ(m.Unselect(0), 0);
  EXPECT_EQ(m.Entries()[0].futureName, "");
  ASSERT_EQ(m.Select(0), 0);
  EXPECT_EQ(m.Entries()[0].futureName, "") << "empty until the next recomputation";
}

TEST(ListeModel, InvertNumbersInListOrder) {
  CListeModel m;
  m.SetEntries(Make({{".."}, {"a"}, {"b"}, {"c"}, {"d"}, {"e"}}), false);
  int recomputed = 0;
  m.SetRecompute([&] { ++recomputed; });
  m.Select(Row(m, "d"));
  m.Select(Row(m, "b"));
  m.Invert();
  EXPECT_EQ(SelNames(m), (Names{"a", "c", "e"}));
  EXPECT_EQ(recomputed, 1);
  CheckInvariant(m);
  m.Invert();
  EXPECT_EQ(SelNames(m), (Names{"b", "d"})) << "list order, not the first selection order";
  CheckInvariant(m);
}

TEST(ListeModel, RecursiveListsRefuseDirectoriesAndParent) {
  const std::vector<EntryShape> shapes = {{".."}, {"SUB", true}, {"SUB\\f.txt"}, {"g.txt"}};
  struct Case {
    bool recursive;
    Names all;     // after select all
    Names filter;  // after select with "*" and directories
  } cases[] = {
      {true, {"SUB\\f.txt", "g.txt"}, {"SUB\\f.txt", "g.txt"}},
      {false, {"SUB", "SUB\\f.txt", "g.txt"}, {"SUB", "SUB\\f.txt", "g.txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.recursive ? "recursive" : "flat");
    CListeModel m;
    m.SetEntries(Make(shapes), c.recursive);
    m.SelectAll();
    EXPECT_EQ(SelNames(m), c.all);
    m.UnselectAll();
    EXPECT_TRUE(m.Selection().empty());
    EXPECT_EQ(m.SelectFilter("*", false, true), c.recursive ? 2 : 1);
    EXPECT_EQ(SelNames(m), c.filter);
    m.Invert();
    EXPECT_TRUE(m.Selection().empty()) << "nothing else can be selected";
    CheckInvariant(m);
  }
}

TEST(ListeModel, FilterCommands) {
  CListeModel m;
  m.SetEntries(Make({{".."}, {"Fdir", true}, {"file.txt"}, {"a.mp3"}, {"SUB\\File.txt"}, {"b.mp3"}}), true);
  int recomputed = 0;
  m.SetRecompute([&] { ++recomputed; });
  EXPECT_EQ(m.SelectFilter("F*", false, true), Row(m, "file.txt")) << "not SUB\\File.txt";
  EXPECT_EQ(SelNames(m), (Names{"file.txt"}));
  EXPECT_EQ(m.SelectFilter("*.mp3", true, false), Row(m, "SUB\\File.txt"));
  EXPECT_EQ(SelNames(m), (Names{"file.txt", "SUB\\File.txt"}));
  m.SelectFilter("b*", false, false);
  m.SelectFilter("a*", false, false);
  EXPECT_EQ(SelNames(m), (Names{"file.txt", "SUB\\File.txt", "b.mp3", "a.mp3"}));
  // Unselect walks from the last member; the focus goes to the earliest removed.
  EXPECT_EQ(m.UnselectFilter("*.txt", false, false), Row(m, "file.txt"));
  EXPECT_EQ(SelNames(m), (Names{"b.mp3", "a.mp3"}));
  CheckInvariant(m);
  EXPECT_EQ(m.UnselectFilter("*.txt", false, false), -1);
  EXPECT_EQ(recomputed, 6);
  EXPECT_EQ(m.HighlightFilter("*f*", false, false), (std::vector<int>{2, 4}));
  EXPECT_EQ(m.HighlightFilter("*f*", false, true), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(m.HighlightFilter("*.", false, true), (std::vector<int>{1}));
  EXPECT_EQ(m.HighlightFilter("*.mp3", true, true), (std::vector<int>{0, 1, 2, 4}));
}

TEST(ListeModel, SearchAndSearchNext) {
  CListeModel m;
  m.SetEntries(Make({{"a.txt"}, {"dir.txt", true}, {"b.jpg"}, {"c.txt"}}), false);
  EXPECT_EQ(m.SearchNext(0), -1) << "no search made yet";
  EXPECT_EQ(m.Search("*.txt", false, false, 0), 0);
  EXPECT_EQ(m.SearchNext(0), 3) << "directories skipped";
  EXPECT_EQ(m.SearchNext(3), -1);
  EXPECT_EQ(m.Search("*.txt", false, true, 1), 1);
  EXPECT_EQ(m.SearchNext(1), 3);
  EXPECT_EQ(m.Search("*.txt", true, false, 0), 2);
}

TEST(ListeModel, HighlightedRowsAndSpace) {
  CListeModel m;
  m.SetEntries(Make({{"a"}, {"b"}, {"c"}, {"d"}}), false);
  m.SelectRows({3, 1, 1});
  EXPECT_EQ(SelNames(m), (Names{"b", "d"})) << "list order, duplicates ignored";
  m.SpaceRows({0, 1}, 0);  // focused row not selected: select
  EXPECT_EQ(SelNames(m), (Names{"b", "d", "a"}));
  m.SpaceRows({1, 3}, 1);  // focused row selected: unselect
  EXPECT_EQ(SelNames(m), (Names{"a"}));
  CheckInvariant(m);
  EXPECT_EQ(m.SelectedRows(), (std::vector<int>{0}));
  m.SelectRows({2});
  EXPECT_EQ(m.NextSelected(-1), 0);
  EXPECT_EQ(m.NextSelected(0), 2);
  EXPECT_EQ(m.NextSelected(2), -1);
}

TEST(ListeModel, BulkUnselectMatchesOneByOne) {
  // Removing every other member in one pass must number the rest as
  // successive unselections would.
  std::vector<EntryShape> shapes;
  std::vector<std::string> names;
  for (int i = 0; i < 40; ++i) names.push_back("f" + std::to_string(i));
  for (const auto& n : names) shapes.push_back({n.c_str(), false, 3});
  CListeModel bulk, single;
  bulk.SetEntries(Make(shapes), false);
  single.SetEntries(Make(shapes), false);
  for (int i = 39; i >= 0; i -= 3) {
    bulk.Select(i);
    single.Select(i);
  }
  for (int i = 0; i < 40; ++i) {
    bulk.Select(i);
    single.Select(i);
  }
  std::vector<int> odd;
  for (int i = 1; i < 40; i += 2) odd.push_back(i);
  bulk.UnselectRows(odd);
  for (int i : odd) single.Unselect(i);
  EXPECT_EQ(SelNames(bulk), SelNames(single));
  CheckInvariant(bulk);
}

TEST(ListeModel, SelTextHook) {
  CListeModel m;
  m.SetSelText([](int index) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", 10 + 5 * index);
    return std::string(buf);
  });
  m.SetEntries(Make({{"a"}, {"b"}, {"c"}}), false);
  m.Select(0);
  m.Select(1);
  m.Select(2);
  m.Unselect(0);
  EXPECT_EQ(m.Entries()[1].items.Text(kItemSel), "010");
  EXPECT_EQ(m.Entries()[2].items.Text(kItemSel), "015");
}

TEST(ListeModel, CarriedSelectionIsRenumbered) {
  std::vector<CFichier> v = Make({{".."}, {"SUB", true}, {"x"}, {"y"}});
  v[0].selOrder = 0;  // the parent cannot carry a selection
  v[1].selOrder = 1;  // nor a directory in a recursive list
  v[2].selOrder = 7;
  v[3].selOrder = 3;
  v[3].size = 9;
  CListeModel m;
  m.SetEntries(std::move(v), true);
  EXPECT_EQ(SelNames(m), (Names{"y", "x"}));
  CheckInvariant(m);
}

TEST(ListeModel, NaturalCompare) {
  struct Case {
    const char* a;
    const char* b;
    bool natural;
    int expected;
  } cases[] = {
      {"img2.jpg", "img10.jpg", true, -1},
      {"img2.jpg", "img10.jpg", false, 1},
      {"img002.jpg", "img2.jpg", true, -1},  // equal value: plain text decides
      {"img02", "IMG2", true, -1},
      {"img0010", "img9", true, 1},
      {"a99999999999999999999999", "a100000000000000000000000", true, -1},
      {"abc", "ABC", true, 0},
      {"abc", "ABC", false, 0},
      {"a", "a1", true, -1},
      {"1a", "a", true, -1},
      {"x0", "x", true, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CListeModel::CompareText(c.a, c.b, c.natural), c.expected) << c.a << " " << c.b;
    EXPECT_EQ(CListeModel::CompareText(c.b, c.a, c.natural), -c.expected) << c.b << " " << c.a;
  }
}

Names AllNames(const CListeModel& m) {
  Names n;
  for (const auto& e : m.Entries()) n.push_back(e.name);
  return n;
}

TEST(ListeModel, SortByNameKeepsSelectionAndParent) {
  CListeModel m;
  m.SetEntries(Make({{"img10.jpg"}, {".."}, {"img2.jpg"}, {"IMG1.jpg"}, {"img002.jpg"}}), false);
  m.Select(Row(m, "img2.jpg"));
  m.Select(Row(m, "img10.jpg"));
  const std::vector<int> before = m.Sort(kItemNom, SortKind::Text, true, true);
  EXPECT_EQ(AllNames(m), (Names{"..", "IMG1.jpg", "img002.jpg", "img2.jpg", "img10.jpg"}));
  EXPECT_EQ(before, (std::vector<int>{1, 3, 4, 2, 0}));
  EXPECT_EQ(SelNames(m), (Names{"img2.jpg", "img10.jpg"}));
  CheckInvariant(m);
  m.Sort(kItemNom, SortKind::Text, false, true);
  EXPECT_EQ(AllNames(m), (Names{"..", "img10.jpg", "img2.jpg", "img002.jpg", "IMG1.jpg"}));
  m.Sort(kItemNom, SortKind::Text, true, false);
  EXPECT_EQ(AllNames(m), (Names{"..", "img002.jpg", "IMG1.jpg", "img10.jpg", "img2.jpg"}));
  CheckInvariant(m);
}

TEST(ListeModel, SortByKinds) {
  const int kBitrate = 10;  // an integer item
  const int kFps = 30;      // a decimal item
  CListeModel m;
  m.SetEntries(Make({{"c", false, 2048}, {"a", false, 100}, {"d", true}, {"b", false, 100}}), false);
  m.Entry(Row(m, "c")).items.ints.Set(kBitrate, 128);
  m.Entry(Row(m, "a")).items.ints.Set(kBitrate, 96);
  m.Entry(Row(m, "b")).items.ints.Set(kBitrate, 320);
  m.Entry(Row(m, "c")).items.dates.Set(kItemDateModif, 200);
  m.Entry(Row(m, "a")).items.dates.Set(kItemDateModif, 0);  // no valid date
  m.Entry(Row(m, "b")).items.dates.Set(kItemDateModif, 100);
  m.Entry(Row(m, "a")).items.decs.Set(kFps, 25.0);
  m.Entry(Row(m, "c")).items.decs.Set(kFps, std::numeric_limits<double>::quiet_NaN());
  m.Entry(Row(m, "b")).items.decs.Set(kFps, 23.976);
  struct Case {
    int item;
    SortKind kind;
    bool ascending;
    Names expected;
  } cases[] = {
      // Missing values first; ties by name.
      {kBitrate, SortKind::Integer, true, {"d", "a", "c", "b"}},
      {kBitrate, SortKind::Integer, false, {"b", "c", "a", "d"}},
      {kItemDateModif, SortKind::Date, true, {"a", "d", "b", "c"}},
      {kFps, SortKind::Decimal, true, {"c", "d", "b", "a"}},
      // Size by bytes, directories first; "a" and "b" tie on 100 bytes.
      {kItemTaille, SortKind::Text, true, {"d", "a", "b", "c"}},
      {kItemTaille, SortKind::Text, false, {"c", "b", "a", "d"}},
  };
  for (const auto& c : cases) {
    m.Sort(c.item, c.kind, c.ascending, true);
    EXPECT_EQ(AllNames(m), c.expected) << c.item << (c.ascending ? " asc" : " desc");
  }
}

TEST(ListeModel, SortBySelection) {
  CListeModel m;
  m.SetEntries(Make({{"a"}, {"b"}, {"c"}, {"d"}}), false);
  m.Select(Row(m, "c"));
  m.Select(Row(m, "a"));
  m.Sort(kItemSel, SortKind::Text, true, true);
  EXPECT_EQ(AllNames(m), (Names{"c", "a", "b", "d"}));
  CheckInvariant(m);
}

}  // namespace
