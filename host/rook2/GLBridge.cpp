#include "rook2/GLBridge.h"

#include <cstdlib>
#include <cstring>

namespace ROOK2 {

GLBridge::RenderMode& GLBridge::setting() {
    static RenderMode mode = [] {
        const char* value = std::getenv("VANTOR_CANVAS_RENDER_THREAD");
        return value && std::strcmp(value, "0") == 0 ? UserInterfaceThread : RenderThread;
    }();
    return mode;
}

GLBridge::RenderMode GLBridge::renderMode() {
    return setting();
}

void GLBridge::setRenderMode(RenderMode mode) {
    setting() = mode;
}

}  // namespace ROOK2
