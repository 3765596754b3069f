#include "render/gl_shaders.h"

// Lit, shadowed, fogged triangles. The light is a point at the origin of the
// light's view space; a face is lit only as far as it faces both that point
// and the light's viewing axis.
const char* const MAIN_VERTEX = R"(
attribute vec4 position;
attribute vec4 surfacenormal;
attribute vec4 rgb;
uniform mat4 modelcamviewprojmat;
uniform mat4 modellightviewprojmat;
uniform mat4 modellightviewmat;
uniform vec4 basecolour;
uniform float fogintensity;
varying vec4 colour;
varying vec4 shadowcoord;
varying vec2 shadowcoordcentered;
varying vec4 lightcontrib;
varying float attenuation;
const float lightpower = 0.5;
void main() {
    colour = basecolour * rgb;
    gl_Position = modelcamviewprojmat * position;
    attenuation = min(fogintensity * log(max(1.0, gl_Position.z)), 1.0);
    shadowcoord = modellightviewprojmat * position;
    shadowcoordcentered = shadowcoord.xy - vec2(0.5, 0.5);
    vec4 n = vec4(surfacenormal.xyz, 0.0);
    vec4 tn = modellightviewmat * n;
    vec4 lp = modellightviewmat * position;
    vec4 tolight = -lp / length(lp);
    float incidence = dot(tolight.xyz, tn.xyz);
    float visibility = min(incidence, tn.z);
    float scl = max(lightpower * visibility, 0.0);
    lightcontrib = vec4(scl, scl, scl, 0.0);
}
)";

// One nearest sample of the shadow map, no bias: the bias is applied when
// the map is drawn.
const char* const MAIN_FRAGMENT = R"(
uniform sampler2D shadowmap;
varying vec4 colour;
varying vec4 shadowcoord;
varying vec2 shadowcoordcentered;
varying vec4 lightcontrib;
varying float attenuation;
const vec4 illum_lo = vec4(0.7, 0.7, 0.7, 1.0);
const vec4 yello = vec4(0.6, 0.6, 0.2, 1.0);
void main() {
    vec2 inview = step(abs(shadowcoordcentered), vec2(0.5, 0.5));
    float stored = texture2D(shadowmap, shadowcoord.xy).b;
    float depth = shadowcoord.z / shadowcoord.w;
    float darkening = inview.x * inview.y * step(stored, depth);
    vec4 lit = (illum_lo + (1.0 - darkening) * lightcontrib) * colour;
    gl_FragColor = mix(lit, yello, attenuation);
}
)";

// Main where depth textures are missing: the same but for the stored depth,
// unpacked from the bytes that ShadowNDT spreads over the colour channels.
const char* const MAIN_PACKED_FRAGMENT = R"(
uniform sampler2D shadowmap;
varying vec4 colour;
varying vec4 shadowcoord;
varying vec2 shadowcoordcentered;
varying vec4 lightcontrib;
varying float attenuation;
const vec4 illum_lo = vec4(0.7, 0.7, 0.7, 1.0);
const vec4 yello = vec4(0.6, 0.6, 0.2, 1.0);
void main() {
    vec2 inview = step(abs(shadowcoordcentered), vec2(0.5, 0.5));
    vec3 bytes = floor(texture2D(shadowmap, shadowcoord.xy).rgb * 255.0 + 0.5);
    float stored = dot(bytes, vec3(1.0, 256.0, 65536.0)) / 16777215.0;
    float depth = shadowcoord.z / shadowcoord.w;
    float darkening = inview.x * inview.y * step(stored, depth);
    vec4 lit = (illum_lo + (1.0 - darkening) * lightcontrib) * colour;
    gl_FragColor = mix(lit, yello, attenuation);
}
)";

const char* const SHADOW_VERTEX = R"(
attribute vec4 position;
uniform mat4 modellightviewprojmat;
void main() {
    gl_Position = modellightviewprojmat * position;
}
)";

const char* const SHADOW_FRAGMENT = R"(
void main() {
    gl_FragColor = vec4(0.0, 1.0, gl_FragCoord.z, 1.0);
}
)";

// Without depth textures the depth goes into a colour texture instead. One
// 8-bit channel would put paint lying 3 mm proud of the ground in its own
// shadow, so the depth is rounded to 24 bits and spread over the channels:
// the high byte in blue, where a depth texture's value is read, then green
// and red. Scaling by powers of two keeps every step exact in 32-bit floats.
// Desktop GLSL 1.10 has no precision qualifiers, so they are defined away.
const char* const SHADOW_NDT_VERTEX = R"(#define lowp
#define mediump
#define highp
attribute mediump vec4 position;
uniform mat4 modellightviewprojmat;
void main() {
    gl_Position = modellightviewprojmat * position;
}
)";

const char* const SHADOW_NDT_FRAGMENT = R"(
void main() {
    float d = floor(gl_FragCoord.z * 16777215.0 + 0.5);
    float hi = floor(d * (1.0 / 65536.0));
    float mid = floor((d - hi * 65536.0) * (1.0 / 256.0));
    float lo = d - hi * 65536.0 - mid * 256.0;
    gl_FragColor = vec4(lo, mid, hi, 255.0) / 255.0;
}
)";

const char* const EDGE_VERTEX = R"(#version 110
attribute vec4 position;
uniform mat4 modelcamviewprojmat;
uniform float fogintensity;
varying float attenuation;
void main() {
    gl_Position = modelcamviewprojmat * position;
    attenuation = min(fogintensity * log(max(1.0, gl_Position.z)), 1.0);
}
)";

const char* const EDGE_FRAGMENT = R"(#version 110
uniform vec4 linecolour;
varying float attenuation;
const vec4 yello = vec4(0.6, 0.6, 0.2, 1.0);
void main() {
    gl_FragColor = mix(linecolour, yello, attenuation);
}
)";

// Scaled, rotated and placed images in normalised device coordinates of the
// current viewport: rotx and roty are the rows of a 2x2 matrix.
const char* const HUD_VERTEX = R"(#version 110
attribute vec2 position;
attribute vec2 uv;
uniform vec2 rotx;
uniform vec2 roty;
uniform vec2 translation;
varying vec2 tmapcoord;
void main() {
    gl_Position = vec4(dot(position, rotx) + translation.x, dot(position, roty) + translation.y,
                       1.0, 1.0);
    tmapcoord = uv;
}
)";

const char* const HUD_FRAGMENT = R"(#version 110
uniform sampler2D texturemap;
varying vec2 tmapcoord;
void main() {
    gl_FragColor = texture2D(texturemap, tmapcoord);
}
)";
