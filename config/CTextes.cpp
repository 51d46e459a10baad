// The program's vocabulary in English and French, Windows-1252 bytes.
// A null French text marks a text used as it stands in both languages; a
// null English text, a text that exists in French only.
#include "config/CTextes.h"

const CTexte kTextes[] = {
    {15, "Velto - Completion", "Velto - Compl\xe9tion"},
    {25, "Unable to access file \"%s\"", "Impossible d'acc\xe9" "der au fichier \"%s\""},
    {26, "Unable to access %s", "Impossible d'acc\xe9" "der \xe0 %s"},
    {27, "Enter an expression. Enter: recompute. Ctrl+Space or right click: completion window", "Saisissez une expression. Entr\xe9" "e : recalculer. Ctrl+Espace ou clic droit : fen\xeatre de compl\xe9tion"},
    {28, "Expression", nullptr},
    {29, "Filter", "Filtre"},
    {30, "Computing ...", "Calcul en cours ..."},
    {31, "Computing (%d) ...", "Calcul en cours (%d) ..."},
    {32, "Choose the current directory", "Choisissez le r\xe9pertoire courant"},
    {33, "Loading %s ...", "Chargement de %s ..."},
    {34, "Loading (%d) %s ...", "Chargement (%d) de %s ..."},
    {35, "Loading image \"%s\" ...", "Chargement de l'image \"%s\" ..."},
    {252, "The columns separation character and its replacement character must be different", "Le caract\xe8re de s\xe9paration des colonnes et son caract\xe8re de remplacement doivent \xeatre diff\xe9rents"},
    {253, "The replacement character of the columns separation character isn't valued", "Le caract\xe8re de remplacement du caract\xe8re de s\xe9paration des colonnes n'est pas renseign\xe9"},
    {254, "The columns separation character isn't valued", "Le caract\xe8re de s\xe9paration des colonnes n'est pas renseign\xe9"},
    {255, "Invalid duration", "Dur\xe9" "e non valide"},
    {256, "All date formats are mandatory", "Tous les formats de date sont obligatoires"},
    {257, "Unselect with a file filter", "D\xe9s\xe9lectionner avec un filtre de fichiers"},
    {258, "%d error%s\n\nIf a file in error has the focus, a message giving the cause of it will be displayed in the status bar", "%d erreur%s\n\nSi un fichier en erreur a le focus, un message indiquant la cause de l'erreur s'affiche dans la barre d'\xe9tat"},
    {259, "%s (%d)", nullptr},
    {260, "The Exif information division symbol is mandatory", "Le symbole de division des informations Exif est obligatoire"},
    {261, "Extract file beginning ...", "Extraire le d\xe9" "but du fichier ..."},
    {262, "Extract file end ...", "Extraire la fin du fichier ..."},
    {263, "The expression is mandatory", "L'expression est obligatoire"},
    {264, "%s", nullptr},
    {265, "None", "Aucun"},
    {266, "Audio", nullptr},
    {267, "Audio tag", "Tag audio"},
    {268, "Base", nullptr},
    {269, "Document", nullptr},
    {270, "Executable", "Ex\xe9" "cutable"},
    {271, "Exif", nullptr},
    {272, "Id3v1 tag", "Tag Id3v1"},
    {273, "Image", nullptr},
    {274, "Iptc", nullptr},
    {275, "Display the columns of the group \"%s\" checked in options", "Afficher les colonnes du groupe \"%s\" coch\xe9" "es dans les options"},
    {276, "Video", "Vid\xe9o"},
    {277, "Video tag", "Tag vid\xe9o"},
    {278, "%02d cursor%s", "%02d curseur%s"},
    {279, "%02d icon%s", "%02d ic\xf4ne%s"},
    {280, "Compressed header", "En-t\xeate compress\xe9"},
    {281, "Encrypted file", "Fichier chiffr\xe9"},
    {282, "%d file%s", "%d fichier%s"},
    {283, "%d characters have been copied to the clipboard\n(%d file%s / %d column%s)", "%d caract\xe8res ont \xe9t\xe9 copi\xe9s dans le presse-papiers\n(%d fichier%s / %d colonne%s)"},
    {284, "Groups: ", "Groupes : "},
    {285, "Modif: ", nullptr},
    {286, "Hist: ", nullptr},
    {287, "Undo: ", "Annuler : "},
    {288, "Redo: ", "R\xe9tablir : "},
    {289, "Size: ", "Taille : "},
    {290, "Selection: left: %d/%d, right: %d/%d, length: %d", "S\xe9lection : gauche : %d/%d, droite : %d/%d, longueur : %d"},
    {291, "The shell contextual menu can only be called if the highlighted files/directories belong to the same directory", "Le menu contextuel de l'Explorateur n'est disponible que si les fichiers/r\xe9pertoires en surbrillance appartiennent au m\xeame r\xe9pertoire"},
    {292, "The configuration file doesn't correspond to the current version of Velto.\nIt has been reinitialized (after a backup copy).\nOnly the content of the combos, the favorites and some options have been kept.\n", "Le fichier de configuration ne correspond pas \xe0 la version actuelle de Velto.\nIl a \xe9t\xe9 r\xe9initialis\xe9 (apr\xe8s une copie de sauvegarde).\nSeuls le contenu des listes d\xe9roulantes, les favoris et quelques options ont \xe9t\xe9 conserv\xe9s.\n"},
    {293, "A file name must be at least %d character%s long", "Un nom de fichier doit comporter au moins %d caract\xe8re%s"},
    {295, "Remarks and suggestions: %s", "Remarques et suggestions : %s"},
    {296, "mailto:%s?subject=%s EN", "mailto:%s?subject=%s FR"},
    {297, "Highlight with a file filter", "Mettre en surbrillance avec un filtre de fichiers"},
    {298, "The size of a number must be between %d and %d", "La taille d'un nombre doit \xeatre comprise entre %d et %d"},
    {299, "Undoing ...", "Annulation en cours ..."},
    {300, "Undoing (%d) ...", "Annulation en cours (%d) ..."},
    {301, "Copying ...", "Copie en cours ..."},
    {302, "Copying (%d) ...", "Copie en cours (%d) ..."},
    {303, "Redoing ...", "R\xe9tablissement en cours ..."},
    {304, "Redoing (%d) ...", "R\xe9tablissement en cours (%d) ..."},
    {305, "Renaming ...", "Renommage en cours ..."},
    {306, "Renaming (%d) ...", "Renommage en cours (%d) ..."},
    {307, "Display", "Affichage"},
    {308, "Columns", "Colonnes"},
    {309, "Clipboard", "Presse-papiers"},
    {310, "Dates", nullptr},
    {311, "General", "G\xe9n\xe9ral"},
    {312, "Modifications", nullptr},
    {313, "Numbers", "Nombres"},
    {314, "Shortcuts", "Raccourcis"},
    {315, "Column", "Colonne"},
    {316, "Group", "Groupe"},
    {317, "Restoring datas ...", "Restauration des donn\xe9" "es ..."},
    {318, "Restoring datas (%d) ...", "Restauration des donn\xe9" "es (%d) ..."},
    {319, "The replacement character cannot be in the list: %s", "Le caract\xe8re de remplacement ne peut pas figurer dans la liste : %s"},
    {320, "The \"replacement\" strings \"From\" and \"To\" must have the same number of characters", "Les cha\xeenes de \"remplacement\" \"De\" et \"Par\" doivent avoir le m\xeame nombre de caract\xe8res"},
    {321, "Search the files", "Rechercher les fichiers"},
    {322, "Oper:%d/%d", "Op\xe9r:%d/%d"},
    {323, "Oper:999/999", "Op\xe9r:999/999"},
    {324, "Sel:%d/%d", "S\xe9l:%d/%d"},
    {325, "Sel:99999/99999", "S\xe9l:99999/99999"},
    {326, "Sel size:%s", "Taille s\xe9l:%s"},
    {327, "Sel size:9999.99 XX", "Taille s\xe9l:9999.99 XX"},
    {328, "", nullptr},
    {329, "Select with a file filter", "S\xe9lectionner avec un filtre de fichiers"},
    {330, "Unselect files", "D\xe9s\xe9lectionner des fichiers"},
    {331, "Highlight files", "Mettre des fichiers en surbrillance"},
    {332, "Select files", "S\xe9lectionner des fichiers"},
    {333, "Sorting ...", "Tri en cours ..."},
    {334, "GB", "Go"},
    {335, "KB", "Ko"},
    {336, "MB", "Mo"},
    {338, "Web site: %s", "Site web : %s"},
    {339, "Upper/Lowercase", "Majuscules/minuscules"},
    {340, "Word", "Mot"},
    {1004, "This program is freeware.", "Ce programme est un logiciel gratuit."},
    {1005, "%s", nullptr},
    {1007, "&Cancel", "&Annuler"},
    {1008, "&Down", "&Descendre"},
    {1009, "&Up", "&Monter"},
    {1010, "&No", "&Non"},
    {1011, "&OK", nullptr},
    {1012, "&Yes", "&Oui"},
    {1014, "Don't ask again", "Ne plus poser la question"},
    {1016, "Current directory has been modified by another program.\nDo you want to reload it ?", "Le r\xe9pertoire courant a \xe9t\xe9 modifi\xe9 par un autre programme.\nVoulez-vous le recharger ?"},
    {1017, "&Edit", "&Modifier"},
    {1018, "&New", "&Nouveau"},
    {1019, "De&lete", "&Supprimer"},
    {1021, "<<", nullptr},
    {1024, "Expression", nullptr},
    {1025, "Name", "Nom"},
    {1027, "No&ne", "&Aucune"},
    {1028, "Unse&lect", "&D\xe9s\xe9lectionner"},
    {1029, "Default &Width", "&Largeur par d\xe9" "faut"},
    {1030, "Default &Order", "&Ordre par d\xe9" "faut"},
    {1031, "&Select", "&S\xe9lectionner"},
    {1032, "&All", "&Toutes"},
    {1033, "&Help", "&Aide"},
    {1034, "&Default", "&Par d\xe9" "faut"},
    {1035, "&Test", nullptr},
    {1037, "Display only non empty columns of selected groups", "N'afficher que les colonnes non vides des groupes s\xe9lectionn\xe9s"},
    {1038, "Confirm reload", "Confirmer le rechargement"},
    {1039, "Extract metadata from files", "Extraire les m\xe9tadonn\xe9" "es des fichiers"},
    {1040, "File size in bytes", "Taille des fichiers en octets"},
    {1041, "Expression combo", "Liste des expressions"},
    {1042, "Filter combo", "Liste des filtres"},
    {1043, "File list", "Liste des fichiers"},
    {1044, "Grid", "Quadrillage"},
    {1045, "Automatically select used column groups", "S\xe9lectionner automatiquement les groupes de colonnes utilis\xe9s"},
    {1046, "Id3v1 tag && audio, equivalent value if empty", "Tag Id3v1 && audio, valeur \xe9quivalente si vide"},
    {1047, "Extended infotip on the file name", "Info-bulle d\xe9taill\xe9" "e sur le nom du fichier"},
    {1048, "Hidden", "Cach\xe9"},
    {1049, "Enabled", "Activ\xe9"},
    {1050, "At top of list", "En t\xeate de liste"},
    {1051, "Filtered", "Filtr\xe9s"},
    {1052, "System", "Syst\xe8me"},
    {1053, "Immediate future name recompute", "Recalcul imm\xe9" "diat des noms futurs"},
    {1054, "Start in Explorer's current directory", "D\xe9marrer dans le r\xe9pertoire courant de l'Explorateur"},
    {1055, "Display images according to their Exif/Ciff orientation", "Afficher les images selon leur orientation Exif/Ciff"},
    {1056, "Use the \"regional\" decimal separator ( . , etc)", "Utiliser le s\xe9parateur d\xe9" "cimal \"r\xe9gional\" ( . , etc)"},
    {1057, "Enabled", "Activ\xe9" "e"},
    {1058, "Sort files \"\xe0 la\" XP (numbers in strings)", "Trier les fichiers \"\xe0 la\" XP (nombres dans les noms)"},
    {1059, "Empty variable if data format is invalid (date)", "Variable vide si le format de la donn\xe9" "e n'est pas valide (date)"},
    {1061, "To be replaced in data by", "\xc0 remplacer dans les donn\xe9" "es par"},
    {1083, "String separators", "S\xe9parateurs de cha\xeenes"},
    {1084, "Columns separation", "S\xe9paration des colonnes"},
    {1085, "Default \"date\" variable format", "Format par d\xe9" "faut des variables \"date\""},
    {1086, "Display using a fixed font", "Afficher avec une police \xe0 chasse fixe"},
    {1087, "Langue / Language", nullptr},
    {1088, "List directories and files with attribute", "Lister les r\xe9pertoires et fichiers ayant l'attribut"},
    {1089, "List directories", "Lister les r\xe9pertoires"},
    {1090, "Number contained in the base file name (%Nx)", "Nombre contenu dans le nom de base du fichier (%Nx)"},
    {1091, "Selection number (%n,%np,%nc,%ncs,%ncf,%ncfs,%ns)", "Num\xe9ro de s\xe9lection (%n,%np,%nc,%ncs,%ncf,%ncfs,%ns)"},
    {1092, "Audio track number (%mT,%AT,%An)", "Num\xe9ro de piste audio (%mT,%AT,%An)"},
    {1093, "System shortcuts to Velto", "Raccourcis syst\xe8me vers Velto"},
    {1094, "Replace characters", "Remplacer des caract\xe8res"},
    {1095, "Monitor current directory modifications", "Surveiller les modifications du r\xe9pertoire courant"},
    {1096, "Delete", "Supprimer"},
    {1099, "Desktop", "Bureau"},
    {1100, "Start / Programs menu", "Menu D\xe9marrer / Programmes"},
    {1101, "Quick Launch", "Lancement rapide"},
    {1102, "Contextual menu \"Send To\"", "Menu contextuel \"Envoyer vers\""},
    {1103, "Start Menu", "Menu D\xe9marrer"},
    {1104, "If the checkbox is grayed, the associated shortcut is invalid.\nOnly \"non grayed\" shortcuts will be updated.", "Si la case est gris\xe9" "e, le raccourci associ\xe9 n'est pas valide.\nSeuls les raccourcis \"non gris\xe9s\" seront mis \xe0 jour."},
    {1105, "English", nullptr},
    {1106, "Fran\xe7" "ais", nullptr},
    {1107, "Character", "Caract\xe8re"},
    {1108, "Tabulation", nullptr},
    {1115, "Word separator characters", "Caract\xe8res s\xe9parateurs de mots"},
    {1116, "Array elements separators ([ ])", "S\xe9parateurs des \xe9l\xe9ments de tableau ([ ])"},
    {1118, "Exif division symbol", "Symbole de division Exif"},
    {1119, "Date\n(%Xdod, %dmd...)", nullptr},
    {1120, "Date and time\n(%Xdo, %dm...)", "Date et heure\n(%Xdo, %dm...)"},
    {1121, "Time to add", "Dur\xe9" "e \xe0 ajouter"},
    {1122, "Time\n(%Xdot, %dmt...)", "Heure\n(%Xdot, %dmt...)"},
    {1123, "These parameters are associated to the menu option:\nEdit/Copy the selection/List with header", "Ces param\xe8tres s'appliquent \xe0 l'option de menu :\nEdition/Copier la s\xe9lection/Liste avec en-t\xeate"},
    {1124, "These values can be specified directly in the expression.\nSetting a size to 1 avoids any addition of zeros on the left (padding).", "Ces valeurs peuvent \xeatre indiqu\xe9" "es directement dans l'expression.\nUne taille de 1 \xe9vite tout ajout de z\xe9ros \xe0 gauche (remplissage)."},
    {1125, "This option works only if an Explorer is started. It must be set up to display the current path in its title bar.", "Cette option ne fonctionne que si un Explorateur est ouvert. Il doit \xeatre configur\xe9 pour afficher le chemin courant dans sa barre de titre."},
    {1126, "Maximum file name length", "Longueur maximale des noms de fichiers"},
    {1127, "Value to add", "Valeur \xe0 ajouter"},
    {1128, "Size", "Taille"},
    {1129, "Start", "D\xe9" "but"},
    {1130, "Step", "Pas"},
    {1131, "Size", "Taille"},
    {1132, "Size", "Taille"},
    {1133, "To", "Par"},
    {1134, "From", "De"},
    {1135, "Replace invalid characters (:*?\\/...) with", "Remplacer les caract\xe8res non valides (:*?\\/...) par"},
    {1136, "Repeated characters", "Caract\xe8res r\xe9p\xe9t\xe9s"},
    {1137, "Characters", "Caract\xe8res"},
    {1141, "Open this window at startup", "Ouvrir cette fen\xeatre au d\xe9marrage"},
    {1144, "&First", "&Premier"},
    {1145, "Ne&xt", "&Suivant"},
    {1147, "&not matching the filter", "&ne correspondant pas au filtre"},
    {1148, "&matching the filter", "&correspondant au filtre"},
    {1149, "and &directories", "et les &r\xe9pertoires"},
    {1150, "Enabled", "Activ\xe9"},
    {1152, "Force the case of some words (upper/lower)", "Forcer la casse de certains mots (majuscules/minuscules)"},
    {5000, "&File", "&Fichier"},
    {5001, "&Edit", "&Edition"},
    {5002, "&View", "&Affichage"},
    {5003, "F&avorites", "F&avoris"},
    {5004, "&Select", "&S\xe9lection"},
    {5005, "A&ction", nullptr},
    {5006, "&?", nullptr},
    {20001, "Velto - Help", "Velto - Aide"},
    {20002, "About ...", "\xc0 propos ..."},
    {20003, "Velto - Date format", "Velto - Format des dates"},
    {20004, "Velto - Question", nullptr},
    {20005, "Velto - Examples", "Velto - Exemples"},
    {20006, "F.A.Q.", nullptr},
    {20007, "Organize Favorites", "Organiser les favoris"},
    {20008, "Favorite", "Favori"},
    {20009, "Command line", "Ligne de commande"},
    {20010, "Limits and problems", "Limites et probl\xe8mes"},
    {20011, "Credits", "Remerciements"},
    {20012, "Options", nullptr},
    {20021, "First contact", "Premier contact"},
    {20022, "Search with a file filter", "Rechercher avec un filtre de fichiers"},
    {40011, "&Help\tF1", "&Aide\tF1"},
    {40013, "&Add current expression to Favorites ...", "&Ajouter l'expression courante aux favoris ..."},
    {40014, "Current file's directory\tCtrl+G", "R\xe9pertoire du fichier courant\tCtrl+G"},
    {40015, "&Undo\tCtrl+U", "&Annuler\tCtrl+U"},
    {40016, "&About ...", "\xc0 &propos ..."},
    {40017, "&Stop current loading\tCtrl+Break", "&Arr\xeater le chargement en cours\tCtrl+Attn"},
    {40018, "C&hoose directory\tCtrl+B", "C&hoisir le r\xe9pertoire\tCtrl+B"},
    {40019, "&Completion window", "Fen\xeatre de &compl\xe9tion"},
    {40020, "Cop&y\tCtrl+M", "Cop&ier\tCtrl+M"},
    {40021, "Copy the pointed va&lue", "Copier la va&leur point\xe9" "e"},
    {40022, "&List with header\tCtrl+P", "&Liste avec en-t\xeate\tCtrl+P"},
    {40023, "Current &names\tCtrl+Shift+P", "&Noms actuels\tCtrl+Maj+P"},
    {40024, "Copy the &selection", "Copier la &s\xe9lection"},
    {40025, "Copy &selected files data", "Copier les donn\xe9" "es des fichiers &s\xe9lectionn\xe9s"},
    {40026, "Hide &all columns of the \"%s\" group", "Masquer &toutes les colonnes du groupe \"%s\""},
    {40027, "&Display all columns of the \"%s\" group", "&Afficher toutes les colonnes du groupe \"%s\""},
    {40028, "Default &width", "&Largeur par d\xe9" "faut"},
    {40029, "&Hide", "&Masquer"},
    {40030, "Hide &other columns of the \"%s\" group ", "Masquer les &autres colonnes du groupe \"%s\" "},
    {40031, "Customi&ze ...", "&Personnaliser ..."},
    {40032, "Date &format", "&Format des dates"},
    {40033, "Uns&elect with a filter\tCtrl+L", "D\xe9s&\xe9lectionner avec un filtre\tCtrl+L"},
    {40034, "&Unselect\tShift+Enter", "&D\xe9s\xe9lectionner\tMaj+Entr\xe9" "e"},
    {40035, "&None\tCtrl+D", "&Aucun\tCtrl+D"},
    {40036, "&Manual rename\tF2", "Renommage &manuel\tF2"},
    {40037, "E&xecute\tEnter", "E&x\xe9" "cuter\tEntr\xe9" "e"},
    {40038, "E&xamples", "E&xemples"},
    {40039, "&Windows Explorer\tAlt+W", "&Explorateur Windows\tAlt+W"},
    {40040, "&F.A.Q.", nullptr},
    {40041, "E&xit\tCtrl+W", "&Quitter\tCtrl+W"},
    {40042, "&Back\tAlt+Left", "&Pr\xe9" "c\xe9" "dent\tAlt+Gauche"},
    {40043, "&Forward\tAlt+Right", "&Suivant\tAlt+Droite"},
    {40044, "Insert the &pointed value\tShift+RightClick", "Ins\xe9rer la valeur &point\xe9" "e\tMaj+ClicDroit"},
    {40045, "Insert the pointed &variable (%s)\tCtrl+RightClick", "Ins\xe9rer la &variable point\xe9" "e (%s)\tCtrl+ClicDroit"},
    {40046, "Command &line", "&Ligne de commande"},
    {40047, "Limits and pro&blems", "Limites et pro&bl\xe8mes"},
    {40048, "S&hell contextual menu\tApps", "Menu &contextuel de l'Explorateur\tApplication"},
    {40049, "&Credits", "&Remerciements"},
    {40050, "&Highlight\tCtrl+H", "Mettre en &surbrillance\tCtrl+H"},
    {40051, "&Options\tCtrl+O", "&Options\tCtrl+O"},
    {40052, "&Organize Favorites ...", "&Organiser les favoris ..."},
    {40053, "First con&tact", "Premier con&tact"},
    {40054, "Re&compute\tCtrl+K", "Re&calculer\tCtrl+K"},
    {40055, "&Find\tCtrl+F", "&Rechercher\tCtrl+F"},
    {40056, "Find &next\tF3", "Rechercher le &suivant\tF3"},
    {40057, "First se&lected file\tShift+F4", "Premier fichier s\xe9&lectionn\xe9\tMaj+F4"},
    {40058, "Next sele&cted file\tF4", "Fichier s\xe9lectionn\xe9 sui&vant\tF4"},
    {40059, "&Reload\tF5", "&Recharger\tF5"},
    {40060, "Load s&ub directories\tCtrl+F5", "Charger les so&us-r\xe9pertoires\tCtrl+F5"},
    {40061, "Red&o\tCtrl+Y", "R\xe9&tablir\tCtrl+Y"},
    {40062, "&Rename\tCtrl+R", "&Renommer\tCtrl+R"},
    {40063, "&Explorer's directory\tCtrl+E", "R\xe9pertoire de l'&Explorateur\tCtrl+E"},
    {40064, "Parent direc&tory\tBackSpace", "R\xe9pertoire &parent\tRetour arri\xe8re"},
    {40065, "&Select/Unselect\tSpace", "&S\xe9lectionner/D\xe9s\xe9lectionner\tEspace"},
    {40066, "Select with a &filter\tCtrl+S", "S\xe9lectionner avec un &filtre\tCtrl+S"},
    {40067, "&Invert\tCtrl+I", "&Inverser\tCtrl+I"},
    {40068, "Se&lect\tCtrl+Enter", "S\xe9&lectionner\tCtrl+Entr\xe9" "e"},
    {40069, "&All\tCtrl+A", "&Tous\tCtrl+A"},
    {40070, "Splitter &down\tF6", "S\xe9parateur vers le &bas\tF6"},
    {40071, "Splitter &up\tCtrl+F6", "S\xe9parateur vers le &haut\tCtrl+F6"},
    {40072, "&Delete\tDel", "&Supprimer\tSuppr"},
    {40073, "Thumbnail &image\tCtrl+T", "&Image miniature\tCtrl+T"},
    {40076, "&Lock the toolbars", "&Verrouiller les barres d'outils"},
    {40077, "Current edition &information\tCtrl+Shift+E", "&Informations sur l'\xe9" "dition en cours\tCtrl+Maj+E"},
    {40078, "Highligh&t the selected files\tCtrl+Shift+H", "Mettre les fichiers s\xe9lectionn\xe9s en surbri&llance\tCtrl+Maj+H"},
    {-40078, nullptr, "Mettre en surbrillance exactement les fichiers s\xe9lectionn\xe9s"},
    {-40077, "Display information on current text edition in the status bar", "Afficher dans la barre d'\xe9tat des informations sur l'\xe9" "dition du texte en cours"},
    {-40076, "Prevent any move of the toolbars", "Emp\xea" "cher tout d\xe9placement des barres d'outils"},
    {-40073, "Display thumbnail image if available", "Afficher l'image miniature si elle existe"},
    {-40072, "Delete the highlighted files", "Supprimer les fichiers en surbrillance"},
    {-40071, "Move up the file list/image display separator bar", "Monter la barre de s\xe9paration entre la liste des fichiers et l'image"},
    {-40070, "Move down the file list/image display separator bar", "Descendre la barre de s\xe9paration entre la liste des fichiers et l'image"},
    {-40069, "Select all files", "S\xe9lectionner tous les fichiers"},
    {-40068, "Select highlighted files", "S\xe9lectionner les fichiers en surbrillance"},
    {-40067, "Invert current selection", "Inverser la s\xe9lection courante"},
    {-40066, "Select files with a filter", "S\xe9lectionner des fichiers avec un filtre"},
    {-40065, "Select/Unselect highlighted files following the current file", "S\xe9lectionner/d\xe9s\xe9lectionner les fichiers en surbrillance selon le fichier courant"},
    {-40064, "Parent directory", "R\xe9pertoire parent"},
    {-40063, "Set current directory to Explorer's one", "Prendre le r\xe9pertoire de l'Explorateur comme r\xe9pertoire courant"},
    {-40062, "Rename selected files", "Renommer les fichiers s\xe9lectionn\xe9s"},
    {-40061, "Redo an undone operation", "R\xe9tablir une op\xe9ration annul\xe9" "e"},
    {-40060, "Load the sub directories (recurse)", "Charger les sous-r\xe9pertoires (r\xe9" "cursif)"},
    {-40059, "Reload current directory", "Recharger le r\xe9pertoire courant"},
    {-40056, "Search the next file in the list with a filter", "Rechercher le fichier suivant de la liste avec un filtre"},
    {-40055, "Search a file in the list with a filter", "Rechercher un fichier de la liste avec un filtre"},
    {-40054, "Recompute the \"Future names\"", "Recalculer les \"Noms futurs\""},
    {-40052, "Modifiy the list/menu of favorite expressions", "Modifier la liste/le menu des expressions favorites"},
    {-40051, "Options", nullptr},
    {-40050, "Highlight files in the list with a filter", "Mettre en surbrillance des fichiers de la liste avec un filtre"},
    {-40045, "Insert the variable associated to the pointed value into the current expression", "Ins\xe9rer dans l'expression courante la variable associ\xe9" "e \xe0 la valeur point\xe9" "e"},
    {-40044, "Insert the pointed value into the current expression", "Ins\xe9rer la valeur point\xe9" "e dans l'expression courante"},
    {-40043, "Forward", "Suivant"},
    {-40042, "Back", "Pr\xe9" "c\xe9" "dent"},
    {-40041, "End of the program", "Fin du programme"},
    {-40037, "Execute the highlighted files", "Ex\xe9" "cuter les fichiers en surbrillance"},
    {-40036, "Edit current file name", "Modifier le nom du fichier courant"},
    {-40035, "Unselect all files", "D\xe9s\xe9lectionner tous les fichiers"},
    {-40034, "Unselect highlighted files", "D\xe9s\xe9lectionner les fichiers en surbrillance"},
    {-40033, "Unselect files with a filter", "D\xe9s\xe9lectionner des fichiers avec un filtre"},
    {-40031, "Go to Columns menu of the Options", "Aller \xe0 la page Colonnes des options"},
    {-40030, "Do not display any column of the group except this one", "N'afficher aucune colonne du groupe sauf celle-ci"},
    {-40029, "Do not display this column anymore", "Ne plus afficher cette colonne"},
    {-40027, "Display all the columns of the group", "Afficher toutes les colonnes du groupe"},
    {-40026, "Do not display any column of the group", "N'afficher aucune colonne du groupe"},
    {-40022, "Copy the selected files list to the clipboard", "Copier la liste des fichiers s\xe9lectionn\xe9s dans le presse-papiers"},
    {-40021, "Copy the pointed value to the clipboard", "Copier la valeur point\xe9" "e dans le presse-papiers"},
    {-40020, "Copy selected files", "Copier les fichiers s\xe9lectionn\xe9s"},
    {-40018, "Choose current directory", "Choisir le r\xe9pertoire courant"},
    {-40017, "Stop current loading", "Arr\xeater le chargement en cours"},
    {-40015, "Undo an operation", "Annuler une op\xe9ration"},
    {-40013, "Add current expression to the favorite expressions list/menu", "Ajouter l'expression courante \xe0 la liste/au menu des expressions favorites"},
    {-40012, "Add the directory to the list", "Ajouter le r\xe9pertoire \xe0 la liste"},
    {-40011, "Help", "Aide"},
    {-1036, "Highlight the columns of a group", "Mettre en \xe9vidence les colonnes d'un groupe"},
    {-1021, "Replace with main expression", "Remplacer par l'expression principale"},
    // Column titles of the data items, by item number.
    {37, "Current name", "Nom actuel"},  // item 0
    {38, "Future name", "Nom futur"},  // item 1
    {39, "Sel", "S\xe9l"},  // item 2
    {40, "DOS Name", "Nom DOS"},  // item 3
    {41, "Type", "Type"},  // item 4
    {42, "Size", "Taille"},  // item 5
    {43, "Creation", "Cr\xe9" "ation"},  // item 6
    {44, "Access", "Acc\xe8s"},  // item 7
    {45, "Modification", "Modification"},  // item 8
    {36, "Attributes", "Attributs"},  // item 9
    {46, "Aud-Bitrate", "Aud-D\xe9" "bit"},  // item 10
    {47, "Aud-Sampling", "Aud-\xc9" "chantillonnage"},  // item 11
    {48, "Aud-Mode", "Aud-Mode"},  // item 12
    {49, "Aud-Duration", "Aud-Dur\xe9" "e"},  // item 13
    {50, "Aud-Info", "Aud-Infos"},  // item 14
    {51, "M1-Title", "M1-Titre"},  // item 15
    {52, "M1-Artist", "M1-Artiste"},  // item 16
    {53, "M1-Album", "M1-Album"},  // item 17
    {54, "M1-Year", "M1-Ann\xe9" "e"},  // item 18
    {55, "M1-Comment", "M1-Commentaire"},  // item 19
    {56, "M1-Track Num", "M1-N\xb0 piste"},  // item 20
    {57, "M1-Genre", "M1-Genre"},  // item 21
    {58, "At-Title", "At-Titre"},  // item 22
    {59, "At-Artist", "At-Artiste"},  // item 23
    {60, "At-Album", "At-Album"},  // item 24
    {61, "At-Year", "At-Ann\xe9" "e"},  // item 25
    {62, "At-Comment", "At-Commentaire"},  // item 26
    {63, "At-Track Num", "At-N\xb0 piste"},  // item 27
    {64, "At-Nb Tracks", "At-Nb pistes"},  // item 28
    {65, "At-Track", "At-Piste"},  // item 29
    {66, "At-Genre", "At-Genre"},  // item 30
    {67, "At-Composer", "At-Compositeur"},  // item 31
    {68, "At-Original artist", "At-Artiste original"},  // item 32
    {69, "At-Copyright", "At-Copyright"},  // item 33
    {70, "At-URL", "At-URL"},  // item 34
    {71, "At-Encoded by", "At-Encod\xe9 par"},  // item 35
    {72, "At-ImgFormat", "At-FormatImg"},  // item 36
    {73, "Vid-Width", "Vid-Largeur"},  // item 37
    {74, "Vid-Height", "Vid-Hauteur"},  // item 38
    {75, "Vid-Samprate", "Vid-Fr\xe9q. \xe9" "ch."},  // item 39
    {76, "Vid-Mode", "Vid-Mode"},  // item 40
    {77, "Vid-Duration", "Vid-Dur\xe9" "e"},  // item 41
    {78, "Vid-FPS", "Vid-Img/s"},  // item 42
    {79, "Vid-Info", "Vid-Infos"},  // item 43
    {80, "Vt-Title", "Vt-Titre"},  // item 44
    {81, "Vt-Subject", "Vt-Sujet"},  // item 45
    {82, "Vt-Artist", "Vt-Artiste"},  // item 46
    {83, "Vt-Comment", "Vt-Commentaire"},  // item 47
    {84, "Vt-Keywords", "Vt-Mots-cl\xe9s"},  // item 48
    {85, "Vt-Engineer", "Vt-Ing\xe9nieur"},  // item 49
    {86, "Vt-Technician", "Vt-Technicien"},  // item 50
    {87, "Vt-Genre", "Vt-Genre"},  // item 51
    {88, "Vt-Creation", "Vt-Cr\xe9" "ation"},  // item 52
    {89, "Vt-Source", "Vt-Source"},  // item 53
    {90, "Vt-Copyright", "Vt-Copyright"},  // item 54
    {91, "Vt-Software", "Vt-Logiciel"},  // item 55
    {92, "Vt-ImgFormat", "Vt-FormatImg"},  // item 56
    {93, "Vt-DV Date", "Vt-Date DV"},  // item 57
    {94, "Vt-DV TimeCode", "Vt-Code temporel DV"},  // item 58
    {95, "Img-Width", "Img-Largeur"},  // item 59
    {96, "Img-Height", "Img-Hauteur"},  // item 60
    {97, "Img-Bits per pixel", "Img-Bits par pixel"},  // item 61
    {98, "Img-Info", "Img-Infos"},  // item 62
    {99, "Xif-ImageDescription", "Xif-DescriptionImage"},  // item 63
    {100, "Xif-Make", "Xif-Marque"},  // item 64
    {101, "Xif-Model", "Xif-Mod\xe8le"},  // item 65
    {102, "Xif-Orientation", "Xif-Orientation"},  // item 66
    {103, "Xif-XResolution", "Xif-R\xe9solutionX"},  // item 67
    {104, "Xif-YResolution", "Xif-R\xe9solutionY"},  // item 68
    {105, "Xif-ResolutionUnit", "Xif-Unit\xe9R\xe9solution"},  // item 69
    {106, "Xif-Software", "Xif-Logiciel"},  // item 70
    {107, "Xif-Artist", "Xif-Artiste"},  // item 71
    {108, "Xif-DateTime", "Xif-DateHeure"},  // item 72
    {109, "Xif-SubsecTime", "Xif-FractionSeconde"},  // item 73
    {110, "Xif-WhitePoint", "Xif-PointBlanc"},  // item 74
    {111, "Xif-PrimaryChromaticities", "Xif-Chromaticit\xe9sPrimaires"},  // item 75
    {112, "Xif-YCbCrCoefficients", "Xif-CoefficientsYCbCr"},  // item 76
    {113, "Xif-YCbCrPositioning", "Xif-PositionnementYCbCr"},  // item 77
    {114, "Xif-ReferenceBlackWhite", "Xif-R\xe9" "f\xe9renceNoirBlanc"},  // item 78
    {115, "Xif-Copyright", "Xif-Copyright"},  // item 79
    {116, "Xif-ExifOffset", "Xif-PositionExif"},  // item 80
    {117, "Xif-GPSOffset", "Xif-PositionGPS"},  // item 81
    {118, "Xif-ThumbnailOffset", "Xif-PositionVignette"},  // item 82
    {119, "Xif-ThumbnailSize", "Xif-TailleVignette"},  // item 83
    {120, "Xif-ExposureTime", "Xif-TempsExposition"},  // item 84
    {121, "Xif-FNumber", "Xif-NombreF"},  // item 85
    {122, "Xif-ExposureProgram", "Xif-ProgrammeExposition"},  // item 86
    {123, "Xif-SpectralSensitivity", "Xif-Sensibilit\xe9Spectrale"},  // item 87
    {124, "Xif-ISOSpeedRatings", "Xif-Sensibilit\xe9ISO"},  // item 88
    {125, "Xif-ExifVersion", "Xif-VersionExif"},  // item 89
    {126, "Xif-DateTimeOriginal", "Xif-DateHeureOriginale"},  // item 90
    {127, "Xif-SubsecTimeOriginal", "Xif-FractionSecondeOriginale"},  // item 91
    {128, "Xif-DateTimeDigitized", "Xif-DateHeureNum\xe9risation"},  // item 92
    {129, "Xif-SubsecTimeDigitized", "Xif-FractionSecondeNum\xe9risation"},  // item 93
    {130, "Xif-ComponentConfiguration", "Xif-ConfigurationComposantes"},  // item 94
    {131, "Xif-CompressedBitsPerPixel", "Xif-BitsParPixelCompress\xe9s"},  // item 95
    {132, "Xif-ShutterSpeedValue", "Xif-VitesseObturation"},  // item 96
    {133, "Xif-ApertureValue", "Xif-Ouverture"},  // item 97
    {134, "Xif-BrightnessValue", "Xif-Luminosit\xe9"},  // item 98
    {135, "Xif-ExposureBiasValue", "Xif-CorrectionExposition"},  // item 99
    {136, "Xif-MaxApertureValue", "Xif-OuvertureMax"},  // item 100
    {137, "Xif-SubjectDistance", "Xif-DistanceSujet"},  // item 101
    {138, "Xif-MeteringMode", "Xif-ModeMesure"},  // item 102
    {139, "Xif-LightSource", "Xif-SourceLumi\xe8re"},  // item 103
    {140, "Xif-Flash", "Xif-Flash"},  // item 104
    {141, "Xif-FocalLength", "Xif-Focale"},  // item 105
    {142, "Xif-FlashEnergy", "Xif-\xc9nergieFlash"},  // item 106
    {143, "Xif-UserComment", "Xif-CommentaireUtilisateur"},  // item 107
    {144, "Xif-FlashPixVersion", "Xif-VersionFlashPix"},  // item 108
    {145, "Xif-ColorSpace", "Xif-EspaceCouleur"},  // item 109
    {146, "Xif-ExifImageWidth", "Xif-LargeurImageExif"},  // item 110
    {147, "Xif-ExifImageHeight", "Xif-HauteurImageExif"},  // item 111
    {148, "Xif-RelatedSoundFile", "Xif-FichierSonAssoci\xe9"},  // item 112
    {149, "Xif-FocalPlaneXResolution", "Xif-R\xe9solutionXPlanFocal"},  // item 113
    {150, "Xif-FocalPlaneYResolution", "Xif-R\xe9solutionYPlanFocal"},  // item 114
    {151, "Xif-FocalPlaneResolutionUnit", "Xif-Unit\xe9R\xe9solutionPlanFocal"},  // item 115
    {152, "Xif-ExposureIndex", "Xif-IndiceExposition"},  // item 116
    {153, "Xif-SensingMethod", "Xif-M\xe9thodeCapture"},  // item 117
    {154, "Xif-FileSource", "Xif-SourceFichier"},  // item 118
    {155, "Xif-SceneType", "Xif-TypeSc\xe8ne"},  // item 119
    {156, "Xif-CustomRendered", "Xif-RenduPersonnalis\xe9"},  // item 120
    {157, "Xif-ExposureMode", "Xif-ModeExposition"},  // item 121
    {158, "Xif-WhiteBalance", "Xif-BalanceBlancs"},  // item 122
    {159, "Xif-DigitalZoomRatio", "Xif-RapportZoomNum\xe9rique"},  // item 123
    {160, "Xif-FocalLengthIn35mmFilm", "Xif-FocaleEn35mm"},  // item 124
    {161, "Xif-SceneCaptureType", "Xif-TypeCaptureSc\xe8ne"},  // item 125
    {162, "Xif-GainControl", "Xif-Contr\xf4leGain"},  // item 126
    {163, "Xif-Contrast", "Xif-Contraste"},  // item 127
    {164, "Xif-Saturation", "Xif-Saturation"},  // item 128
    {165, "Xif-Sharpness", "Xif-Nettet\xe9"},  // item 129
    {166, "Xif-SubjectDistanceRange", "Xif-PlageDistanceSujet"},  // item 130
    {167, "Xif-ImageUniqueID", "Xif-IDUniqueImage"},  // item 131
    {168, "Xif-GPSVersionID", "Xif-GPSIDVersion"},  // item 132
    {169, "Xif-GPSLatitudeRef", "Xif-GPSR\xe9" "fLatitude"},  // item 133
    {170, "Xif-GPSLatitude", "Xif-GPSLatitude"},  // item 134
    {171, "Xif-GPSLongitudeRef", "Xif-GPSR\xe9" "fLongitude"},  // item 135
    {172, "Xif-GPSLongitude", "Xif-GPSLongitude"},  // item 136
    {173, "Xif-GPSAltitudeRef", "Xif-GPSR\xe9" "fAltitude"},  // item 137
    {174, "Xif-GPSAltitude", "Xif-GPSAltitude"},  // item 138
    {175, "Xif-GPSTimeStamp", "Xif-GPSHorodatage"},  // item 139
    {176, "Xif-GPSSatellites", "Xif-GPSSatellites"},  // item 140
    {177, "Xif-GPSStatus", "Xif-GPS\xc9tat"},  // item 141
    {178, "Xif-GPSMeasureMode", "Xif-GPSModeMesure"},  // item 142
    {179, "Xif-GPSDOP", "Xif-GPSDOP"},  // item 143
    {180, "Xif-GPSSpeedRef", "Xif-GPSR\xe9" "fVitesse"},  // item 144
    {181, "Xif-GPSSpeed", "Xif-GPSVitesse"},  // item 145
    {182, "Xif-GPSTrackRef", "Xif-GPSR\xe9" "fCap"},  // item 146
    {183, "Xif-GPSTrack", "Xif-GPSCap"},  // item 147
    {184, "Xif-GPSImgDirectionRef", "Xif-GPSR\xe9" "fDirectionImg"},  // item 148
    {185, "Xif-GPSImgDirection", "Xif-GPSDirectionImg"},  // item 149
    {186, "Xif-GPSMapDatum", "Xif-GPSSyst\xe8meG\xe9od\xe9sique"},  // item 150
    {187, "Xif-GPSDestLatitudeRef", "Xif-GPSR\xe9" "fLatitudeDest"},  // item 151
    {188, "Xif-GPSDestLatitude", "Xif-GPSLatitudeDest"},  // item 152
    {189, "Xif-GPSDestLongitudeRef", "Xif-GPSR\xe9" "fLongitudeDest"},  // item 153
    {190, "Xif-GPSDestLongitude", "Xif-GPSLongitudeDest"},  // item 154
    {191, "Xif-GPSDestBearingRef", "Xif-GPSR\xe9" "fRel\xe8vementDest"},  // item 155
    {192, "Xif-GPSDestBearing", "Xif-GPSRel\xe8vementDest"},  // item 156
    {193, "Xif-GPSDestDistanceRef", "Xif-GPSR\xe9" "fDistanceDest"},  // item 157
    {194, "Xif-GPSDestDistance", "Xif-GPSDistanceDest"},  // item 158
    {195, "Ip-ByLine", "Ip-Auteur"},  // item 159
    {196, "Ip-BylineTitle", "Ip-TitreAuteur"},  // item 160
    {197, "Ip-Copyright", "Ip-Copyright"},  // item 161
    {198, "Ip-Credit", "Ip-Cr\xe9" "dit"},  // item 162
    {199, "Ip-Source", "Ip-Source"},  // item 163
    {200, "Ip-CaptionWriter", "Ip-R\xe9" "dacteurL\xe9gende"},  // item 164
    {201, "Ip-Caption", "Ip-L\xe9gende"},  // item 165
    {202, "Ip-HeadLine", "Ip-Titre"},  // item 166
    {203, "Ip-SpecialInstr", "Ip-InstrSp\xe9" "ciales"},  // item 167
    {204, "Ip-ObjectName", "Ip-NomObjet"},  // item 168
    {205, "Ip-DateTimeCreated", "Ip-DateHeureCr\xe9" "ation"},  // item 169
    {206, "Ip-DateTimeReleased", "Ip-DateHeurePublication"},  // item 170
    {207, "Ip-City", "Ip-Ville"},  // item 171
    {208, "Ip-SubLocation", "Ip-Lieu"},  // item 172
    {209, "Ip-State", "Ip-R\xe9gion"},  // item 173
    {210, "Ip-CountryCode", "Ip-CodePays"},  // item 174
    {211, "Ip-Country", "Ip-Pays"},  // item 175
    {212, "Ip-OriginalTrsf", "Ip-R\xe9" "fTransmission"},  // item 176
    {213, "Ip-Category", "Ip-Cat\xe9gorie"},  // item 177
    {214, "Ip-SupplCategories", "Ip-Cat\xe9goriesSuppl"},  // item 178
    {215, "Ip-EditStatus", "Ip-\xc9tatR\xe9" "daction"},  // item 179
    {216, "Ip-JobId", "Ip-IDTravail"},  // item 180
    {217, "Ip-Program", "Ip-Programme"},  // item 181
    {218, "Ip-ProgramVersion", "Ip-VersionProgramme"},  // item 182
    {219, "Ip-Priority", "Ip-Priorit\xe9"},  // item 183
    {220, "Ip-ObjectCycle", "Ip-CycleObjet"},  // item 184
    {221, "Ip-Keywords", "Ip-MotsCl\xe9s"},  // item 185
    {222, "Doc-Title", "Doc-Titre"},  // item 186
    {223, "Doc-Subject", "Doc-Sujet"},  // item 187
    {224, "Doc-Author", "Doc-Auteur"},  // item 188
    {225, "Doc-Keywords", "Doc-Mots-cl\xe9s"},  // item 189
    {226, "Doc-Comment", "Doc-Commentaire"},  // item 190
    {227, "Doc-Template", "Doc-Mod\xe8le"},  // item 191
    {228, "Doc-Last author", "Doc-Dernier auteur"},  // item 192
    {229, "Doc-Revision", "Doc-R\xe9vision"},  // item 193
    {230, "Doc-Edit time", "Doc-Dur\xe9" "e d'\xe9" "dition"},  // item 194
    {231, "Doc-Last print", "Doc-Derni\xe8re impression"},  // item 195
    {232, "Doc-Creation", "Doc-Cr\xe9" "ation"},  // item 196
    {233, "Doc-Last save", "Doc-Dernier enregistrement"},  // item 197
    {234, "Doc-Page count", "Doc-Nb pages"},  // item 198
    {235, "Doc-Word count", "Doc-Nb mots"},  // item 199
    {236, "Doc-Char count", "Doc-Nb caract\xe8res"},  // item 200
    {237, "Doc-Application", "Doc-Application"},  // item 201
    {238, "Doc-Security", "Doc-S\xe9" "curit\xe9"},  // item 202
    {239, "Doc-URL", "Doc-URL"},  // item 203
    {240, "Exe-File version", "Exe-Version du fichier"},  // item 204
    {241, "Exe-Description", "Exe-Description"},  // item 205
    {242, "Exe-Copyright", "Exe-Copyright"},  // item 206
    {243, "Exe-Comments", "Exe-Commentaires"},  // item 207
    {244, "Exe-Company name", "Exe-Soci\xe9t\xe9"},  // item 208
    {245, "Exe-Internal name", "Exe-Nom interne"},  // item 209
    {246, "Exe-Legal trademarks", "Exe-Marques d\xe9pos\xe9" "es"},  // item 210
    {247, "Exe-Original file name", "Exe-Nom de fichier d'origine"},  // item 211
    {248, "Exe-Private Build Description", "Exe-Description de version priv\xe9" "e"},  // item 212
    {249, "Exe-Product name", "Exe-Nom du produit"},  // item 213
    {250, "Exe-Product version", "Exe-Version du produit"},  // item 214
    {251, "Exe-Special build", "Exe-Version sp\xe9" "ciale"},  // item 215
};

const int kTexteCount = static_cast<int>(sizeof kTextes / sizeof kTextes[0]);
