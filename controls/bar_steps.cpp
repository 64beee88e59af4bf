#include "controls/bar_steps.h"

bar_step limited_step(int value, int code, unsigned track, int top) {
    switch (code) {
    case BAR_LINE_UP: return value > 1 ? bar_step{1, value - 1, value - 1} : bar_step{1, value, 1};
    case BAR_LINE_DOWN:
        return value < top ? bar_step{1, value + 1, value + 1} : bar_step{1, value, top - 1};
    case BAR_PAGE_UP:
        return value > 10 ? bar_step{1, value - 10, value - 10} : bar_step{1, value, 1};
    case BAR_PAGE_DOWN:
        return value < top - 10 ? bar_step{1, value + 10, value + 10} : bar_step{1, value, top - 1};
    case BAR_THUMB_TRACK: return {1, (int)(track & 0xFFFF), (int)(track & 0xFFFF)};
    case BAR_TOP: return {1, 1, 1};
    case BAR_BOTTOM: return {1, top, top};
    }
    return {0, value, value};
}
