// Glom capture: the text of the program chosen in the Glom window becomes the
// Document, taken through its Edit menu and the clipboard, or (Eudora) read
// from its window directly.
#pragma once

// How long the capture waits for the source program to answer each command
// and each text request; a program that does not answer fails the capture.
enum { GLOM_ANSWER_TIMEOUT_MS = 2000 };

// 1 when the Document was replaced; 0 with the Document as it was.
int glom_capture();
