// The start-up benchmark's anchor: an empty Qt Widgets window of the editor's main window size
// (given as arguments), built with the editor's compiler flags.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    const QStringList arguments = QCoreApplication::arguments();
    window.setFixedSize(arguments.value(1, QStringLiteral("400")).toInt(),
                        arguments.value(2, QStringLiteral("396")).toInt());
    window.show();
    return app.exec();
}
