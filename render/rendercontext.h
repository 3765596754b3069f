// Camera and light matrices plus the shader uniform locations that every
// world object's draw operations need. One instance, owned by the frame.
#pragma once

struct RenderContext {
    float camView[16];
    float camProj[16];
    float lightView[16];
    float lightProj[16];
    // Main program
    int mainModelCamViewProj;
    int mainModelLightViewProj;
    int mainModelLightView;
    int mainBaseColour;
    int mainShadowMap;
    int mainFogIntensity;
    // Shadow program
    int shadowModelLightViewProj;
    // The camera-only pass
    int skyModelCamViewProj;
    // Edge program
    int edgeModelCamViewProj;
    int edgeLineColour;
    int edgeFogIntensity;
    // Hud program
    int hudTextureMap;
    int hudTranslation;
    int hudRotX;
    int hudRotY;
};

// The context the frame fills in and hands to every draw operation.
RenderContext& renderContext();
