#pragma once
// The hit effect table: the animation strip drawn over each target of a
// skill and the sound played with it. Building sets the file names and
// grids only; LoadEffectPicture (ContentPictures.h) loads the strips.
#include <cstdint>
#include <span>

struct EffectRow {
    int32_t id;
    const char* picture;  // in "image\effect"
    int32_t columns, rows;
    int32_t hue;          // degrees
    const char* sound;    // in "sound", extension included
};

std::span<const EffectRow> EffectRows();

// Fills the effect table (capacity 300; ids without a row stay empty).
void BuildEffects();
