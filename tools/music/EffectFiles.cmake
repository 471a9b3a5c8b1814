# The sound effects make_music renders into music/effects/, by the names the game asks for
# (platform/LiveEffects.cpp); the build and the install read this one list.
set(PONIGARI_EFFECT_FILES
    balkan.wav sonic.wav laser.wav poni.wav boss_hit.wav boss_down.wav rocket.wav shield.wav ship_down.wav
    item.wav bomb.wav)
