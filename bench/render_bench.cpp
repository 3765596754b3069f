// Frames per second of the test arena at 1180 x 720: the whole frame as the
// game draws it (shadow pass, simulation tick, scene, edges), no swap pacing.
// Usage: quorvel-render-bench [frames]   (needs a display; Xvfb will do)
// Also prints where the time goes: shadow pass, the game tick with
// draw-frame, and the buffer swap, each finished before timing on.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "render/frame.h"
#include "render/glcontext.h"
#include "shell/gametick.h"
#include "tests/render/harness.h"

namespace {

typedef std::chrono::steady_clock Clock;

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    int frames = argc > 1 ? atoi(argv[1]) : 600;
    if (frames <= 0) frames = 600;
    if (!harness_open(1180, 720, 0)) return 1;
    ContextInfo gl = context_info();
    printf("renderer: %s, %d samples per pixel\n", gl.renderer, gl.samples);
    for (int i = 0; i < 30; i++) harness_frame(1.0f / 60.0f);  // warm-up
    context_finish();

    double shadow = 0, draw = 0, present = 0;
    auto start = Clock::now();
    for (int i = 0; i < frames; i++) {
        auto t = Clock::now();
        frame_shadowStep();
        context_finish();
        shadow += since(t);
        t = Clock::now();
        game_tick(GAME_TICK);
        drawFrame(GAME_TICK);
        context_finish();
        draw += since(t);
        t = Clock::now();
        harness_present();
        present += since(t);
    }
    double seconds = since(start);
    printf("render bench: %d frames at 1180x720 in %.2f s: %.1f frames per second\n", frames,
           seconds, frames / seconds);
    printf("per frame: shadow pass %.2f ms, draw-frame %.2f ms, swap %.2f ms\n",
           shadow * 1000 / frames, draw * 1000 / frames, present * 1000 / frames);

    // The simulation tick alone, for comparison with draw-frame.
    auto t = Clock::now();
    for (int i = 0; i < frames; i++) game_tick(GAME_TICK);
    printf("simulation tick alone: %.2f ms\n", since(t) * 1000 / frames);
    harness_close();
    return 0;
}
