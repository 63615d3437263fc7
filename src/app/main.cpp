// Lumetra: the viewer program.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumetra");
    QLabel label("Lumetra");
    label.show();
    return QApplication::exec();
}
