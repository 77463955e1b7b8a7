#pragma once
// What the web platform asks of the page: the functions of
// web/zarvel_library.js, linked into the program by emscripten. The ones
// marked "waits" suspend the program (Asyncify) and give the browser its
// turn until they return.

#include <cstdint>

extern "C" {

// Screen.
void zarvel_page_open_screen(int width, int height, int fullScreen);
void zarvel_page_present(const uint8_t* rgba, int width, int height);
void zarvel_page_set_title(const char* utf8);
// Waits for the browser's next animation frame.
void zarvel_page_wait_frame();
// Waits up to `millis` ms, less when input arrives meanwhile.
void zarvel_page_wait_input(int millis);

// Input: takes up to `capacity` queued events, two ints each (kind, value;
// see PageInput.h); returns how many it took.
int zarvel_page_take_input(int32_t* events, int capacity);
int zarvel_page_take_close_request();
int zarvel_page_confirm(const char* utf8);

// Files: waits until the position folder is stored in the browser
// (IndexedDB); 1 when it was.
int zarvel_page_store_files();

// What the page shows beside the canvas.
void zarvel_page_console_line(const char* plainUtf8, const char* rawUtf8);
// A wait for input begins or ends: kind 0 is any key, 1 + InputWait::Kind
// the others (for the page's tests, which type only when the game asks).
void zarvel_page_input_wait(int kind, int begins);
void zarvel_page_intro_cards(int running);
void zarvel_page_title_menu();
// The game asked for a key and none was there: it waits for the player.
void zarvel_page_asked();
void zarvel_page_trace(const char* utf8);
// Never returns: the page shows that the game is over.
[[noreturn]] void zarvel_page_end();

// Music through Web Audio; the page decodes the bytes itself.
void zarvel_page_load_sound(int sound, const uint8_t* bytes, int size,
                            int loop);
void zarvel_page_play(int channel, int sound);
void zarvel_page_set_paused(int channel, int paused);
void zarvel_page_set_volume(int channel, double volume);
}
