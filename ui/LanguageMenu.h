#pragma once
// The menu that switches the interface language of every window at once. Its texts are
// the same in both languages, each language named in itself.

class Platform;
class QMenuBar;

// A choice that can't be kept for the next start is told through PLATFORM, once.
void addLanguageMenu(QMenuBar* bar, Platform& platform);
