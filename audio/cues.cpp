#include "audio/cues.hpp"

#include "characters/character.hpp"

namespace {

// The walk cycle's two stride frames; the others show the legs together.
bool stride(std::uint8_t frame) { return frame == 0 || frame == 2; }

SoundId landingFor(std::int32_t fallen) {
    if (fallen < 16) {
        return SoundId::landingSoft;
    }
    if (fallen < 40) {
        return SoundId::landing;
    }
    return fallen < 80 ? SoundId::landingHard : SoundId::landingHeavy;
}

}  // namespace

PlayerSnapshot snapshotPlayer(const Character& player, const PlayerMotion& motion) {
    PlayerSnapshot s;
    s.onGround = motion.onGround != 0;
    s.velocityY = motion.velocityY;
    s.walking = player.animation != nullptr && player.animation == motion.walkAnimation;
    s.frame = player.animation != nullptr ? player.animation->current : 0;
    s.y = static_cast<std::int32_t>(player.y >> 8);
    return s;
}

SoundCues cueSounds(const PlayerSnapshot& before, const PlayerSnapshot& after, CueMemory& memory) {
    SoundCues cues;
    const auto cue = [&cues](SoundId id) { cues.ids[cues.count++] = id; };

    // Leaving the ground upward; walking off an edge leaves it falling.
    const bool jumped = before.onGround && !after.onGround && after.velocityY <= 0;
    if (jumped) {
        cue(SoundId::jump);
    }
    // Stopped while rising faster than a tick of gravity takes away: a
    // ceiling. Rising slower, the player reaches the top of its leap by itself.
    if (!after.onGround && after.velocityY == 0 &&
        (jumped || (!before.onGround && before.velocityY < -gravity))) {
        cue(SoundId::bump);
    }
    if (!after.onGround && (before.onGround || after.velocityY <= 0)) {
        memory.fallTop = after.y;
    }
    if (!before.onGround && after.onGround) {
        cue(memory.landedBefore ? landingFor(after.y - memory.fallTop) : SoundId::landingSoft);
        memory.landedBefore = true;
    } else if (before.onGround && after.onGround && before.walking && after.walking &&
               after.frame != before.frame && stride(after.frame)) {
        cue(SoundId::step);
    }
    return cues;
}
