#include "qt/qt_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QTime>
#include <QUrl>

namespace vr::qt {

bool DesktopBrowser::navigate(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

std::uint32_t QtPlatform::secondsSinceMidnight() {
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
}

void QtPlatform::quit() {
    driver_.stop();
    QCoreApplication::exit(0);
}

std::shared_ptr<Browser> QtPlatform::createBrowser() { return std::make_shared<DesktopBrowser>(); }

}  // namespace vr::qt
