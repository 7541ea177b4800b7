#pragma once
// The menu that switches the interface language of every window at once. Its texts are
// the same in both languages, each language named in itself.

class QMenuBar;

void addLanguageMenu(QMenuBar* bar);
