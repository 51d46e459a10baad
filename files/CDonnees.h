// Item value stores of one file entry: a text for every item that has a
// value, plus typed values for integer, decimal and date items. Each store is
// ordered by item number and holds at most one value per item.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>



// 64-bit count of 100 ns intervals since 1601-01-01 UTC; 0 means no date.
using FileTime = uint64_t;

constexpr int kItemCount = 216;  // items 0..215
constexpr int kNoItem = 216;     // "no item" wherever an item number is expected

// A small sorted vector: entries carry about ten items, so a flat ordered
// array beats a node-based map in both memory and lookup time.
template <class T>
class CItemMap {
 public:
  const T* Find(int item) const {
    auto it = Lower(item);
    return (it != values_.end() && it->first == item) ? &it->second : nullptr;
  }
  void Set(int item, T value) {
    auto it = LowerMut(item);
    if (it != values_.end() && it->first == item)
      it->second = std::move(value);
    else
      values_.insert(it, {item, std::move(value)});
  }
  void Erase(int item) {
    auto it = LowerMut(item);
    if (it != values_.end() && it->first == item) values_.erase(it);
  }
  void Clear() { values_.clear(); }
  void Reserve(size_t n) { values_.reserve(n); }
  bool Empty() const { return values_.empty(); }
  size_t Size() const { return values_.size(); }
  auto begin() const { return values_.begin(); }
  auto end() const { return values_.end(); }

 private:
  using Entry = std::pair<int, T>;
  static bool Less(const Entry& e, int item) { return e.first < item; }
  typename std::vector<Entry>::const_iterator Lower(int item) const {
    return std::lower_bound(values_.begin(), values_.end(), item, Less);
  }
  typename std::vector<Entry>::iterator LowerMut(int item) {
    return std::lower_bound(values_.begin(), values_.end(), item, Less);
  }
  std::vector<Entry> values_;
};

struct CDonnees {
  CItemMap<std::string> text;
  CItemMap<int64_t> ints;
  CItemMap<double> decs;
  CItemMap<FileTime> dates;

  // Text of an item; empty when absent.
  const std::string& Text(int item) const {
    static const std::string empty;
    const std::string* t = text.Find(item);
    return t ? *t : empty;
  }
  // Calls f(item) for every item that has a value (a text that is not
  // empty, a number or a date); an item may come more than once.
  template <class F>
  void ForEachValued(F f) const {
    for (const auto& v : text)
      if (!v.second.empty()) f(v.first);
    for (const auto& v : dates) f(v.first);
    for (const auto& v : ints) f(v.first);
    for (const auto& v : decs) f(v.first);
  }
  void Clear() {
    text.Clear();
    ints.Clear();
    decs.Clear();
    dates.Clear();
  }
};


