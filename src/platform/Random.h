#pragma once

// The generator behind the secret word: values 0 to RAND_LIMIT. Unseeded, they come from the
// system's cryptographic generator, so that no clock, no earlier word and no other process
// can tell the next one. Seeded, for tests that must know the word, they follow a fixed
// linear sequence.
constexpr int RAND_LIMIT = 32767;

void SeedRandom(unsigned int nSeed);
// Seeds from KELVARA_SEED, a number, when it is set and the program runs without the games
// group; a setgid copy never takes a seed from its user.
void SeedRandomForTests();
int NextRandom();
