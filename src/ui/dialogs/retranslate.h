#pragma once

// Reading a window again from the language module in use: every text it shows
// that came from a lookup (captions, labels, buttons, menus, tabs, list
// items, tool tips) is looked up again by its source. Texts that are data
// (field contents, file names, numbers) were never looked up and stay.

class LanguageModules;
class QWidget;

void RetranslateWindow(QWidget& window, const LanguageModules& languages);
