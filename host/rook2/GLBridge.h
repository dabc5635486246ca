#pragma once

namespace ROOK2 {

// The canvas's rendering mode, a process-wide setting. By default the canvas renders blocks
// from cached recordings as a canvas with a render thread of its own does (RenderThread), so
// that editors set up their block render caches and blocks show their own icons. The
// environment variable VANTOR_CANVAS_RENDER_THREAD="0", read once at first use, or
// setRenderMode before editors are made selects direct painting on the user-interface
// thread. User-interface thread only.
class GLBridge {
public:
    enum RenderMode { UserInterfaceThread = 0, RenderThread = 1 };

    // True when the canvas renders on a thread of its own.
    static bool isMultiThreaded() { return renderMode() == RenderThread; }
    static RenderMode renderMode();
    static void setRenderMode(RenderMode mode);

private:
    static RenderMode& setting();
};

}  // namespace ROOK2
