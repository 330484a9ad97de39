#pragma once
// Our texts are UTF-8; the toolkit's are QString. Only the adapter's own sources
// include this.

#include <QString>
#include <string>

namespace strohvik {

QString FromUtf8(const std::string& text);
std::string ToUtf8(const QString& text);

// Menus, menu items, tabs and push buttons read a single "&" as the mark of a keyboard
// shortcut and hide it; their texts go through these two, so "&" shows as itself and
// reads back as written.
QString ShortcutFree(const std::string& text);
std::string FromShortcutFree(const QString& shown);

}  // namespace strohvik
