// Frames per second at 1180 x 720, the whole frame as the game draws it
// (shadow pass, simulation tick, scene, edges, HUD and overlays, swap), with
// no swap pacing. Needs a display (Xvfb will do).
//
//   quorvel-render-bench [FRAMES]                 the test arena
//   quorvel-render-bench --level N [--frames F]   level N (-1 the sandbox)
//   quorvel-render-bench --all [--frames F]       every level, one table
//   ... [--shots DIR]                             each level's last frame as a PNG
//   ... [--cpu]                                   passes in processor time
//   ... [--smoothing samples|lines]               that path, whatever the renderer
//
// A level runs a short fixed script of driving and crane work, so the camera
// and the shadows move. Each pass is finished before the next is timed, so
// the figures add up to the frame.
#include <sys/stat.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/bench_script.h"
#include "bus/bus.h"
#include "render/frame.h"
#include "render/glcontext.h"
#include "render/smoothing.h"
#include "render/tty.h"
#include "render/view.h"
#include "shell/gameflow.h"
#include "shell/gametick.h"
#include "shell/window.h"
#include "tests/render/harness.h"
#include "ui/levelinfo.h"
#include "ui/menu.h"
#include "ui/ui_gl.h"

namespace {

typedef std::chrono::steady_clock Clock;

const int WIDTH = 1180, HEIGHT = 720;
const int ARENA_FRAMES = 600;
const int LEVEL_FRAMES = 120;
const int WARM_UP = 20;
const float TICK = 1.0f / 60.0f;

// Processor time of every thread of this process (the rasteriser's too):
// steadier than wall time on a machine that other work shares.
double clockSeconds(clockid_t clock) {
    timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}
double cpuSeconds() { return clockSeconds(CLOCK_PROCESS_CPUTIME_ID); }
// This thread alone: what the rasteriser's own threads cannot take over.
double mainThreadSeconds() { return clockSeconds(CLOCK_THREAD_CPUTIME_ID); }

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Seconds per pass, summed over the timed frames.
struct PassTimes {
    double pass[4];  // by FramePass
    double shadow, swap, total, cpu, mainThread;
    int frames;
};
PassTimes times;
// Passes are timed by the wall clock, or with --cpu by processor time, which
// a busy machine disturbs less.
bool processorClock = false;
double passClock() {
    return processorClock ? cpuSeconds()
                          : std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}
double passStart;

void onPass(FramePass pass) {
    context_finish();
    double t = passClock();
    times.pass[pass] += t - passStart;
    passStart = t;
}

void timedFrame(void (*present)()) {
    double t = passClock();
    frame_shadowStep();
    context_finish();
    passStart = passClock();
    times.shadow += passStart - t;
    game_tick(TICK);
    onPass(PASS_TICK);
    drawFrame(TICK);
    t = passClock();
    present();
    times.swap += passClock() - t;
}

Clock::time_point timingStart;
double cpuStart, mainThreadStart;

void startTiming(int frames) {
    context_finish();
    times = PassTimes{};
    times.frames = frames;
    frame_setPassMark(onPass);
    timingStart = Clock::now();
    cpuStart = cpuSeconds();
    mainThreadStart = mainThreadSeconds();
}

void stopTiming() {
    times.total = since(timingStart);
    times.cpu = cpuSeconds() - cpuStart;
    times.mainThread = mainThreadSeconds() - mainThreadStart;
    frame_setPassMark(nullptr);
}

double ms(double seconds) { return seconds * 1000.0 / times.frames; }

void printRendererLine() {
    ContextInfo gl = context_info();
    printf("renderer: %s, %d samples per pixel\n", gl.renderer, gl.samples);
}

// ------------------------------------------------------------------- arena

int benchArena(int frames, const std::string& smoothing) {
    EdgeSmoothing path = smoothing == "lines" ? SMOOTH_LINES : SMOOTH_MULTISAMPLE;
    if (smoothing.empty()) {
        // The harness takes a path as given; ask the renderer in a first window.
        if (!harness_openWindow(64, 64, 0)) return 1;
        path = smoothing_forRenderer(context_info().renderer);
        window_close();
    }
    if (!harness_open(WIDTH, HEIGHT, 0, true, path)) return 1;
    printRendererLine();
    for (int i = 0; i < 30; i++) harness_frame(TICK);  // warm-up
    startTiming(frames);
    for (int i = 0; i < frames; i++) timedFrame(harness_present);
    stopTiming();
    printf("render bench: %d frames at %dx%d in %.2f s: %.1f frames per second\n", frames, WIDTH,
           HEIGHT, times.total, frames / times.total);
    printf(
        "per frame: shadow %.2f ms, tick %.2f ms, scene %.2f ms, edges %.2f ms, HUD %.2f ms, "
        "swap %.2f ms\n",
        ms(times.shadow), ms(times.pass[PASS_TICK]), ms(times.pass[PASS_SCENE]),
        ms(times.pass[PASS_EDGES]), ms(times.pass[PASS_OVERLAYS]), ms(times.swap));
    // The simulation tick alone, for comparison.
    auto t = Clock::now();
    for (int i = 0; i < frames; i++) game_tick(GAME_TICK);
    printf("processor time: %.2f ms per frame, %.2f ms of it on the main thread\n", ms(times.cpu),
           ms(times.mainThread));
    printf("simulation tick alone: %.2f ms\n", since(t) * 1000 / frames);
    harness_close();
    return 0;
}

// ------------------------------------------------------------------ levels

struct Options {
    int first = 0, last = -2;  // no level: the arena
    int frames = 0;
    std::string shots;
    std::string smoothing;  // empty: as the renderer affords
};

bool parse(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; i++) {
        bool hasValue = i + 1 < argc;
        if (strcmp(argv[i], "--level") == 0 && hasValue) {
            o->first = o->last = atoi(argv[++i]);
        } else if (strcmp(argv[i], "--all") == 0) {
            o->first = FIRST_LEVEL, o->last = LAST_LEVEL;
        } else if (strcmp(argv[i], "--frames") == 0 && hasValue) {
            o->frames = atoi(argv[++i]);
        } else if (strcmp(argv[i], "--cpu") == 0) {
            processorClock = true;
        } else if (strcmp(argv[i], "--shots") == 0 && hasValue) {
            o->shots = argv[++i];
        } else if (strcmp(argv[i], "--smoothing") == 0 && hasValue) {
            o->smoothing = argv[++i];
            if (o->smoothing != "samples" && o->smoothing != "lines") return false;
        } else if (argv[i][0] != '-') {
            o->frames = atoi(argv[i]);
        } else {
            return false;
        }
    }
    bool levels = o->last >= o->first;
    return !levels || (o->first >= FIRST_LEVEL && o->last <= LAST_LEVEL);
}

// As the game's start-up does, without sound.
bool openGame(const std::string& smoothing) {
    WindowOptions options = {WIDTH, HEIGHT, 4, 0, false, false, "quorvel", smoothing.empty()};
    if (smoothing == "lines") options.samples = 0;
    if (!window_open(options)) return false;
    if (!smoothing.empty()) smoothing_set(smoothing == "lines" ? SMOOTH_LINES : SMOOTH_MULTISAMPLE);
    ttyInit();
    game_setHooks(GameHooks{});
    game_init();
    if (!render_init(window_width(), window_height())) return false;
    ui_drawInit();
    return true;
}

void saveShot(const std::string& dir, int nr) {
    mkdir(dir.c_str(), 0755);
    char name[96];
    snprintf(name, sizeof name, "/level%02d_%s.png", nr, levelName(nr));
    if (nr < 0) snprintf(name, sizeof name, "/%s.png", levelName(nr));
    writePng(dir + name, window_width(), window_height(),
             context_readBack(0, 0, window_width(), window_height()));
}

void runLevel(int nr, int frames, const std::string& shots) {
    char text[128];
    format128(text, "start nr=%d name=%s attachment=%d", nr, levelName(nr), (int)TOY_START);
    postMessage(text);
    viewVisible[VIEW_TUTORIAL] = 0;  // the first job's tutorial would cover the level
    int tick = 0;
    for (; tick < WARM_UP; tick++) {
        benchScript_post(tick);
        frame_shadowStep();
        game_tick(TICK);
        drawFrame(TICK);
        window_present();
    }
    startTiming(frames);
    for (int i = 0; i < frames; i++, tick++) {
        benchScript_post(tick);
        if (i + 1 == frames && !shots.empty()) {
            frame_shadowStep();
            game_tick(TICK);
            drawFrame(TICK);
            saveShot(shots, nr);
            window_present();
            continue;
        }
        timedFrame(window_present);
    }
    stopTiming();
    postMessage("accelcontrol setting=0");
}

void printHeader() {
    printf("%5s %-16s %6s %7s %7s %7s %7s %7s %7s %7s %7s\n", "level", "name", "fps", "shadow",
           "tick", "scene", "edges", "HUD", "swap", "cpu", "main");
}

void printRow(int nr) {
    printf("%5d %-16.16s %6.1f %7.2f %7.2f %7.2f %7.2f %7.2f %7.2f %7.2f %7.2f\n", nr,
           levelName(nr), times.frames / times.total, ms(times.shadow), ms(times.pass[PASS_TICK]),
           ms(times.pass[PASS_SCENE]), ms(times.pass[PASS_EDGES]), ms(times.pass[PASS_OVERLAYS]),
           ms(times.swap), ms(times.cpu), ms(times.mainThread));
    fflush(stdout);
}

int benchLevels(const Options& o) {
    if (!openGame(o.smoothing)) return 1;
    printRendererLine();
    int frames = o.frames > 0 ? o.frames : LEVEL_FRAMES;
    printHeader();
    double slowest = 1e9;
    for (int nr = o.first; nr <= o.last; nr++) {
        runLevel(nr, frames, o.shots);
        printRow(nr);
        if (times.frames / times.total < slowest) slowest = times.frames / times.total;
    }
    printf(
        "slowest level: %.1f frames per second (ms per frame, %d frames each; cpu: processor "
        "time of all threads, main: of the main thread)\n",
        slowest, frames);
    window_shutDown();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, &o)) {
        fprintf(stderr,
                "usage: quorvel-render-bench [FRAMES] | --level N | --all  [--frames F] "
                "[--shots DIR] [--cpu]\n");
        return 2;
    }
    if (o.last < o.first) return benchArena(o.frames > 0 ? o.frames : ARENA_FRAMES, o.smoothing);
    return benchLevels(o);
}
