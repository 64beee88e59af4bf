#include "document/document.h"

Document document;

const char welcome_text[] = "Welcome to Tavrin, the speed reading program for computers.";
