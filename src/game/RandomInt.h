// The process's one random draw, which every deal takes its tiles from: the C library's
// generator, seeded from the clock the first time it is asked. A test seeds it with srand
// after a first draw and gets the same deals again.
#pragma once

// lo + rand() mod (hi - lo + 1); seeds the generator from the clock on first use only.
int RandomInt(int lo, int hi);

// Forgets that the generator was seeded, so the next draw seeds it again. For tests.
void ResetRandomSeed();
