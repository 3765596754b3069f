/* A tiny data module for the texture and sample database tests. */
const unsigned char red[2 * 2 * 4] = {255, 0, 0, 255, 255, 0, 0, 255, 128, 0, 0, 128, 0, 0, 0, 0};
const int red_w = 2;
const int red_h = 2;

const unsigned char blue[4] = {0, 0, 255, 255};
const int blue_w = 1;
const int blue_h = 1;

/* An image whose width was forgotten. */
const unsigned char nowidth[4] = {1, 2, 3, 4};
const int nowidth_h = 1;

const short tone_dat[4] = {100, -100, 200, -200};
const int tone_len = 4;

/* A sample whose length was forgotten. */
const short nolen_dat[2] = {1, 2};
