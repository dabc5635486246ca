// studio_autosave_child MODEL.vtm
//
// A studio window on MODEL that keeps editing it and keeping its unsaved work for recovery
// until it is killed: every few milliseconds it moves the block "Error" of the top-level
// diagram 10 units right (an undoable command: the model has unsaved changes), writes the
// recovery record at once (as the autosave interval would) and prints "autosaved <n>", n the
// records on disk so far. The recovery tests kill it with SIGKILL.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "ModelAutosaver.h"
#include "ModelFileController.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: studio_autosave_child MODEL.vtm\n");
        return 2;
    }
    QApplication app(argc, argv);
    StudioTest::ScriptedPrompts prompts;
    VantorStudio::StudioWindow window(&prompts);
    VantorStudio::OpenModel* model = window.files().openFile(argv[1]);
    if (!model) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    int written = 0;
    QTimer edits;
    QObject::connect(&edits, &QTimer::timeout, [&] {
        if (!StudioTest::moveTopLevelBlock(model->root, "Error", {10, 0}))
            QApplication::exit(1);
        written += window.autosaver().autosaveNow();
        std::printf("autosaved %d\n", written);
        std::fflush(stdout);
    });
    edits.start(5);
    return app.exec();
}
