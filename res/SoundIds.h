#pragma once

// The built-in sound clips, named by the event each one marks.
enum SoundId : int {
    SND_WIN = 4000, // a game won without cheating
    SND_ROW = 4001, // a guess row drops onto the board
    SND_NEW_GAME = 4002,
    SND_LETTER = 4003,  // a letter typed into a cell
    SND_CLEAR = 4004,   // Backspace or Space in a cell
    SND_REFUSED = 4005, // a refused key, or a click on a cell
    SND_HIGH_SCORES = 4006,
    SND_EXIT = 4007,          // the main window closes
    SND_WINDOW_OPEN = 4008,   // dictionary chooser or help window opens
    SND_WINDOW_CLOSED = 4009, // dictionary chooser, help window or high score list closes
    SND_QUESTION = 4010,      // abandon-game and clear-all questions
    SND_CHEAT_QUESTION = 4011,
    SND_SOUND_ON = 4012,
    SND_ABOUT = 4013,
};
