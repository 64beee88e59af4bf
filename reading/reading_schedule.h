// When the Reader's ticks are due: tick k at the schedule's start plus k
// intervals of 60000 / rate ms, counted on a fine clock in its own units, so
// that neither a rounded interval nor a late tick changes the rate read.
#pragma once
#include <stdint.h>

struct reading_schedule {
    int64_t frequency; // clock counts a second
    int64_t start;     // when tick 0 was due (the start, or the last word before a new rate)
    int64_t last_tick; // when the last tick came
    int64_t ticks;     // ticks since start
    int rate;          // words per minute, 1 or more
};

// A new schedule at the rate from now: the first tick one interval on.
void begin_schedule(reading_schedule *s, int64_t now, int64_t frequency, int rate);

// A tick came at now. One more than two intervals late (the program or the
// machine was busy) starts the schedule again from now, so that no burst of
// words follows a stall.
void count_tick(reading_schedule *s, int64_t now);

// A new rate from the last tick on: the next one due an interval of the new
// rate after the last was due (a late tick stays to be made up).
void change_rate(reading_schedule *s, int rate);

// When tick k of the schedule is due.
int64_t tick_due(const reading_schedule *s, int64_t k);

// Milliseconds from now until the next tick is due, but never less than what
// keeps a tick at least half an interval after the last one: late ticks are
// made up, never flashed. Rounded to the nearest millisecond.
uint32_t next_tick_delay_ms(const reading_schedule *s, int64_t now);
