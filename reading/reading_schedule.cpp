#include "reading/reading_schedule.h"

// Counts of k intervals: k * 60 s * frequency / rate, exact to a count. The
// product stays far inside 64 bits for any run a reader makes (a 10 MHz clock
// and a week at 3000 wpm is about 2e16).
static int64_t intervals(const reading_schedule *s, int64_t k) {
    return k * 60 * s->frequency / s->rate;
}

static int valid_rate(int rate) {
    return rate > 0 ? rate : 1;
}

void begin_schedule(reading_schedule *s, int64_t now, int64_t frequency, int rate) {
    s->frequency = frequency > 0 ? frequency : 1000;
    s->start = s->last_tick = now;
    s->ticks = 0;
    s->rate = valid_rate(rate);
}

int64_t tick_due(const reading_schedule *s, int64_t k) {
    return s->start + intervals(s, k);
}

void count_tick(reading_schedule *s, int64_t now) {
    s->ticks++;
    s->last_tick = now;
    if (now - tick_due(s, s->ticks) > intervals(s, 2)) {
        s->start = now;
        s->ticks = 0;
    }
}

void change_rate(reading_schedule *s, int rate) {
    // From when the last tick was due, not when it came: a late one is still
    // made up, however often the rate changes (several times a second from
    // the Speed window's keys).
    s->start = tick_due(s, s->ticks);
    s->ticks = 0;
    s->rate = valid_rate(rate);
}

uint32_t next_tick_delay_ms(const reading_schedule *s, int64_t now) {
    int64_t due = tick_due(s, s->ticks + 1);
    int64_t earliest = s->last_tick + intervals(s, 1) / 2;
    if (due < earliest)
        due = earliest;
    if (due <= now)
        return 0;
    return (uint32_t)(((due - now) * 1000 + s->frequency / 2) / s->frequency);
}
