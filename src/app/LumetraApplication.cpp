#include "LumetraApplication.h"

#include "ui/DesignFont.h"
#include "ui/MessageBox.h"

namespace lumetra {

void NameApplication() {
    QCoreApplication::setApplicationName(kApplicationTitle);
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMETRA_VERSION));
}

LumetraApplication::LumetraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The name only: a display name would be appended to every window's title bar, and the
    // render window's reads "Render" alone.
    NameApplication();
    QApplication::setFont(lumetra::DesignFont());
}

bool LumetraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportException(activeWindow(), error);
    }
    return false;
}

} // namespace lumetra
