// The start-up baseline for a window that shows words: a main window with one menu and one label.
// Beside the bare window it pays what any text costs first: the system's font configuration, Qt's
// font database, one font loaded and shaped.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("text"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("File/Path Information")));
    window.resize(535, 476);
    window.show();
    return app.exec();
}
