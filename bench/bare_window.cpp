// The start-up baseline: a Qt program that shows one empty window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(535, 476);
    window.show();
    return app.exec();
}
