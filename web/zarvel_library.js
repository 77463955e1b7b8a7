// The page side of PageBridge.h (src/media/web): thin calls into the page's
// script (page/zarvel-page.js, Module.page), which keeps the page's state.
// The waits suspend the program (Asyncify) and resume it from the browser's
// event loop.
mergeInto(LibraryManager.library, {
  zarvel_page_open_screen: function (width, height, fullScreen) {
    Module.page.openScreen(width, height, fullScreen !== 0);
  },
  zarvel_page_present: function (rgba, width, height) {
    Module.page.present(HEAPU8.subarray(rgba, rgba + width * height * 4),
                        width, height);
  },
  zarvel_page_set_title: function (utf8) {
    Module.page.setTitle(UTF8ToString(utf8));
  },
  zarvel_page_wait_frame__deps: ['$Asyncify'],
  zarvel_page_wait_frame: function () {
    return Asyncify.handleSleep(function (wakeUp) {
      requestAnimationFrame(function () { wakeUp(); });
    });
  },
  zarvel_page_wait_input__deps: ['$Asyncify'],
  zarvel_page_wait_input: function (millis) {
    return Asyncify.handleSleep(function (wakeUp) {
      Module.page.waitInput(millis, function () { wakeUp(); });
    });
  },
  zarvel_page_take_input: function (events, capacity) {
    return Module.page.takeInput(HEAP32, events >> 2, capacity);
  },
  zarvel_page_take_close_request: function () {
    return Module.page.takeCloseRequest() ? 1 : 0;
  },
  zarvel_page_confirm: function (utf8) {
    return Module.page.confirm(UTF8ToString(utf8)) ? 1 : 0;
  },
  zarvel_page_store_files__deps: ['$Asyncify', '$FS'],
  zarvel_page_store_files: function () {
    return Asyncify.handleSleep(function (wakeUp) {
      Module.page.storeFiles(function (ok) { wakeUp(ok ? 1 : 0); });
    });
  },
  zarvel_page_console_line: function (plain, raw) {
    Module.page.consoleLine(UTF8ToString(plain), UTF8ToString(raw));
  },
  zarvel_page_input_wait: function (kind, begins) {
    Module.page.inputWait(kind, begins !== 0);
  },
  zarvel_page_intro_cards: function (running) {
    Module.page.introCards(running !== 0);
  },
  zarvel_page_title_menu: function () {
    Module.page.titleMenu();
  },
  zarvel_page_asked: function () {
    Module.page.asked();
  },
  zarvel_page_trace: function (utf8) {
    console.log(UTF8ToString(utf8));
  },
  // The game is over: the page says so and the program stays suspended
  // for good (exiting from inside a resumed wait would throw to the page).
  zarvel_page_end__deps: ['$Asyncify'],
  zarvel_page_end: function () {
    Module.page.ended();
    return Asyncify.handleSleep(function () {});
  },
  zarvel_page_load_sound: function (sound, bytes, size, loop) {
    Module.page.audio.load(sound, HEAPU8.slice(bytes, bytes + size), loop !== 0);
  },
  zarvel_page_play: function (channel, sound) {
    Module.page.audio.play(channel, sound);
  },
  zarvel_page_set_paused: function (channel, paused) {
    Module.page.audio.setPaused(channel, paused !== 0);
  },
  zarvel_page_set_volume: function (channel, volume) {
    Module.page.audio.setVolume(channel, volume);
  },
});
