// The reading schedule's arithmetic: ticks driven by a simulated timer that
// fires exactly after the whole milliseconds it was given.
#include <gtest/gtest.h>

#include "reading/reading_schedule.h"

#include <stdint.h>
#include <stdlib.h>

static const int64_t frequency = 10000000; // counts a second, as Wine's fine clock

static double ms_of(int64_t counts) {
    return (double)counts * 1000.0 / (double)frequency;
}

static int64_t counts_of(double ms) {
    return (int64_t)(ms * (double)frequency / 1000.0);
}

// One tick: the timer waits the delay it was set for (plus any lateness),
// then the tick is counted; returns when it came.
static int64_t fire(reading_schedule *s, int64_t now, double late_ms = 0) {
    now += counts_of(next_tick_delay_ms(s, now) + late_ms);
    count_tick(s, now);
    return now;
}

TEST(reading_schedule, fractional_intervals_land_within_a_millisecond_over_ten_thousand_ticks) {
    const struct {
        const char *label;
        int rate;
    } rates[] = {{"490 wpm, 122.45 ms", 490}, {"700 wpm, 85.71 ms", 700},
                 {"3000 wpm, 20 ms", 3000},   {"2999 wpm, 20.007 ms", 2999},
                 {"7 wpm, 8571.4 ms", 7},     {"1 wpm, a minute", 1}};
    for (const auto &r : rates) {
        SCOPED_TRACE(r.label);
        reading_schedule s;
        const int64_t start = 123456789;
        begin_schedule(&s, start, frequency, r.rate);
        int64_t now = start;
        double worst = 0;
        for (int64_t k = 1; k <= 10000; k++) {
            now = fire(&s, now);
            double error = ms_of(now - start) - (double)k * 60000.0 / r.rate;
            if (error < 0)
                error = -error;
            if (error > worst)
                worst = error;
        }
        EXPECT_LE(worst, 1.0) << "worst distance from k * 60000 / rate, ms";
    }
}

TEST(reading_schedule, late_ticks_are_made_up_no_faster_than_half_an_interval) {
    // At 600 wpm (100 ms), ticks 5, 10 and 15 come 150 ms late.
    reading_schedule s;
    begin_schedule(&s, 0, frequency, 600);
    int64_t now = 0, previous = 0;
    double shortest = 1e9;
    for (int k = 1; k <= 30; k++) {
        now = fire(&s, now, k % 5 == 0 && k <= 15 ? 150 : 0);
        if (ms_of(now - previous) < shortest)
            shortest = ms_of(now - previous);
        previous = now;
    }
    EXPECT_DOUBLE_EQ(3000.0, ms_of(now)) << "thirty ticks at 100 ms: all made up by the end";
    EXPECT_GE(shortest, 50.0) << "shortest interval shown, ms";
}

TEST(reading_schedule, a_stall_past_two_intervals_starts_again_from_the_present) {
    const struct {
        const char *label;
        double late_ms, next_delay_ms;
    } stalls[] = {
        {"1.9 intervals late: made up, half an interval next", 190, 50},
        {"2.5 intervals late: no burst, a whole interval next", 250, 100},
        {"a minute late", 60000, 100},
    };
    for (const auto &c : stalls) {
        SCOPED_TRACE(c.label);
        reading_schedule s;
        begin_schedule(&s, 0, frequency, 600);
        int64_t now = fire(&s, 0, c.late_ms);
        EXPECT_EQ((uint32_t)c.next_delay_ms, next_tick_delay_ms(&s, now));
    }
}

TEST(reading_schedule, a_new_rate_counts_from_the_last_tick) {
    // last_ms: when the 101st tick of the new rate comes, worked out by hand.
    const struct {
        const char *label;
        int from, to;
        double late_ms, change_after_ms, next_delay_ms, last_ms;
    } changes[] = {
        {"100 to 3000 wpm, a third into 600 ms: due 20 ms after the last word, now; then a "
         "stall, so from now",
         100, 3000, 0, 200, 0, 800 + 100 * 20.0},
        {"3000 to 100 wpm, 5 ms after a tick: 600 ms after it", 3000, 100, 0, 5, 595,
         20 + 101 * 600.0},
        {"490 to 491, at once: the new interval from when the tick was due", 490, 491, 0, 0, 123,
         60000.0 / 490 + 101 * 60000.0 / 491},
        {"490 to 491 after a tick 40 ms late: 40 ms made up", 490, 491, 40, 0, 83,
         60000.0 / 490 + 101 * 60000.0 / 491},
        {"600 to 600 after a tick 80 ms late: made up to half an interval", 600, 600, 80, 0, 50,
         100 + 101 * 100.0},
    };
    for (const auto &c : changes) {
        SCOPED_TRACE(c.label);
        reading_schedule s;
        begin_schedule(&s, 0, frequency, c.from);
        int64_t now = fire(&s, 0, c.late_ms) + counts_of(c.change_after_ms);
        change_rate(&s, c.to);
        EXPECT_EQ((uint32_t)c.next_delay_ms, next_tick_delay_ms(&s, now));
        for (int k = 1; k <= 101; k++)
            now = fire(&s, now);
        EXPECT_NEAR(c.last_ms, ms_of(now), 1.0);
    }
}
