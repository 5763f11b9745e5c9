#include <QApplication>

#include "ui/window/CEditorApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    qvx::CEditorApp editor(QApplication::arguments().mid(1));
    return editor.run();
}
