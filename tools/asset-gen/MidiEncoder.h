#pragma once
// Standard MIDI Files, format 1: one track of events per part, each event
// at an absolute tick; encoding sorts them and writes the delta times.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace assetgen {

class MidiTrack {
public:
    explicit MidiTrack(std::string name = {});

    void Tempo(uint32_t tick, double bpm);
    void TimeSignature(uint32_t tick, int beats, int beatUnit);
    void Program(uint32_t tick, int channel, int program);
    void Control(uint32_t tick, int channel, int control, int value);
    // A note from `tick` for `length` ticks; the note-off lands before any
    // note-on of the same tick, so repeated notes retrigger cleanly. A key
    // struck again while it sounds ends the earlier note there: synthesisers
    // would otherwise cut the new note short at the old one's note-off.
    void Note(uint32_t tick, int channel, int key, int velocity, uint32_t length);
    void Text(uint32_t tick, int type, const std::string& text);
    // The tick of the end-of-track event. Notes still sounding then are
    // cut there and notes starting at or after it are dropped, so a looping
    // song jumps back exactly on time.
    void EndAt(uint32_t tick) { end_ = tick; }

    size_t NoteCount() const { return notes_; }
    std::vector<uint8_t> Encode() const;

private:
    struct Event {
        uint32_t tick;
        int order;  // set-up events, then note-offs, then note-ons
        uint32_t sequence;
        std::vector<uint8_t> bytes;
    };
    void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);

    std::vector<Event> events_;
    // Per channel and key: the start and the note-off event of the last note.
    std::map<int, std::pair<uint32_t, size_t>> lastNote_;
    uint32_t end_ = 0;
    size_t notes_ = 0;
};

// Header "MThd" (format 1, `division` ticks per quarter note) and the tracks.
std::vector<uint8_t> EncodeMidi(uint16_t division, const std::vector<MidiTrack>& tracks);

}  // namespace assetgen
