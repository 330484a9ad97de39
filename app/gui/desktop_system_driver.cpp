#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

#include "app/gui/qt_text.h"
#include "app/gui/system_driver.h"
#include "platform/host_path.h"

namespace strohvik {
namespace {

// "Mods:zip;Alle:*" becomes "Mods (*.zip);;Alle (*)".
QString ToQtFilter(const std::string& filter) {
  QStringList groups;
  for (const QString& group : FromUtf8(filter).split(';', Qt::SkipEmptyParts)) {
    const QString name = group.section(':', 0, 0);
    QStringList patterns;
    for (const QString& extension : group.section(':', 1).split(',', Qt::SkipEmptyParts))
      patterns << (extension == "*" ? QString("*") : "*." + extension);
    groups << name + " (" + patterns.join(' ') + ")";
  }
  return groups.join(";;");
}

class TDesktopSystemDriver : public TSystemDriver {
 public:
  std::string RequestFile(const std::string& title, const std::string& filter, const std::string& start) override {
    const QString chosen = QFileDialog::getOpenFileName(nullptr, FromUtf8(title), FromUtf8(HostPath(start)),
                                                        ToQtFilter(filter));
    return SystemPath(chosen.toStdString());
  }

  std::string RequestDir(const std::string& title, const std::string& start) override {
    const QString chosen = QFileDialog::getExistingDirectory(nullptr, FromUtf8(title), FromUtf8(HostPath(start)));
    return SystemPath(chosen.toStdString());
  }

  bool OpenURL(const std::string& url) override { return QDesktopServices::openUrl(QUrl(FromUtf8(url))); }

  std::optional<TPoint> CursorPosition() override {
    const QPoint position = QCursor::pos();
    return TPoint{position.x(), position.y()};
  }

  ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) override {
    return RunProcess(arguments, workingDirectory);
  }
};

}  // namespace

std::shared_ptr<TSystemDriver> CreateDesktopSystemDriver() { return std::make_shared<TDesktopSystemDriver>(); }

}  // namespace strohvik
