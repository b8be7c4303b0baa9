#pragma once
#include <cstdint>

// Sine and cosine by whole degrees, from a table filled at start-up.
void FillSineTable();
double SinDeg(int32_t deg);
double CosDeg(int32_t deg);
// Non-negative remainder: negative numbers map into [0, m).
int32_t PosMod(int32_t x, int32_t m);
