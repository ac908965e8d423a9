#pragma once

#include <QString>

// Texts wrap where a person would: never inside a file name, a command or a path. In each word
// that joins letters or digits by hyphens or slashes ("70-morvane-updater.rules",
// "morvane-flash", "--fix-udev-rule", "/dev/hidraw0"), each such hyphen becomes a non-breaking
// hyphen and each such slash is followed by a word joiner, for any text the window lays out:
// the tooltips and the pane. The words and their look stay as they were.
QString withUnbreakableNames(const QString &text);
// The text as given again: what withUnbreakableNames added, taken out (for copying, and for
// what screen readers are to say).
QString withoutBreakGuards(const QString &shown);
