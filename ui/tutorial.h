// The five-stage tutorial shown over the first level once per run. Each
// stage prints four lines and demonstrates one control by posting what the
// player's input would post; "nextTutorialStage" moves on, and after the
// last stage the tutorial ends.
#pragma once

enum { TUTORIAL_STAGES = 5, TUTORIAL_MAX_IMAGES = 3 };

struct TutorialState {
    int stage;         // 0..5
    float stageTime;   // seconds since the stage began
    bool reverseDemo;  // direction of the driving demonstration; kept across stages
    int screenW, screenH;
};

// An image of the overlay, placed on the unit quad in the viewport's
// normalised coordinates: at translation (x, y) with rows (rowX, 0), (0, rowY).
struct OverlayImage {
    const char* name;
    float x, y, rowX, rowY;
};

const TutorialState& tutorial();
// Stores the screen size, loads the overlay images, listens for
// "nextTutorialStage" and starts at stage 0.
void initTutorial(int screenW, int screenH);
void tutorial_reset();  // the start state (tests)
// The pointing hand alone, loaded once at start-up before any tutorial runs;
// the overlay's full set of images comes with initTutorial.
void tutorial_loadHand();

// One frame: advances the clock, prints the stage's lines and demonstrates.
// Writes the images to draw (in order) and their count. True when the
// tutorial has run out (the caller hides the overlay).
bool tutorial_frame(float dt, OverlayImage images[TUTORIAL_MAX_IMAGES], int* imageCount);
// The stage's text line (0..3) for mouse and keyboard or for the gamepad.
const char* tutorial_line(int stage, int line, bool gamepad);
