#include "app/gui/qt_text.h"

namespace strohvik {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

QString ShortcutFree(const std::string& text) { return FromUtf8(text).replace('&', QStringLiteral("&&")); }

std::string FromShortcutFree(const QString& shown) { return ToUtf8(QString(shown).replace(QStringLiteral("&&"), QStringLiteral("&"))); }

}  // namespace strohvik
