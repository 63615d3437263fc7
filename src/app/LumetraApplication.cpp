#include "LumetraApplication.h"

#include "ui/MessageBox.h"

#include <QFont>

namespace lumetra {

LumetraApplication::LumetraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kApplicationTitle);
    setApplicationDisplayName(kApplicationTitle);
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);
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
