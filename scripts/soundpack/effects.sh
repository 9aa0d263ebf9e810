# The synthesized effects and which caption gets which; sourced by render.sh.
# Each fx_NAME WORK writes WORK/raw.wav; render.sh sets its length and level afterwards, so the
# recipes care only about shape and timbre. Times given to place are in milliseconds.

# effect_for CAPTION: the effect that sounds like the caption, or "speech". The first match
# wins, so the narrower words come first ("火车鸣笛" before "火车" and "鸣笛").
effect_for() {
  case $1 in
    *救护车*) echo ambulance ;;
    *警车* | *警笛*) echo police_siren ;;
    *防空警报*) echo air_raid_siren ;;
    *地震警报*) echo whoop_alarm ;;
    *火灾报警*) echo fire_alarm ;;
    *防盗器*) echo car_alarm ;;
    *雾号*) echo fog_horn ;;
    *敲钟*) echo temple_bell ;;
    *敲锣*) echo gong ;;
    *叮咚*) echo doorbell ;;
    *下课铃*) echo school_bell ;;
    *电话铃*) echo phone_ring ;;
    *机枪*) echo machine_gun ;;
    *战争枪声* | *枪声激战*) echo gunfight ;;
    *阻击枪*) echo sniper_shot ;;
    *上膛*) echo gun_cocking ;;
    *AK47*) echo rifle_bursts ;;
    *开枪* | *手枪*) echo gunshot ;;
    *爆胎*) echo tyre_burst ;;
    *鼓声*) echo drums ;;
    *心跳*) echo heartbeat ;;
    *大雨*) echo heavy_rain ;;
    *下雨*) echo rain ;;
    *打雷* | *雷电*) echo thunder ;;
    *狂暴风*) echo storm_wind ;;
    *刮风*) echo wind ;;
    *海浪*) echo waves ;;
    *激烈掌声*) echo loud_applause ;;
    *掌声*) echo light_applause ;;
    *货车鸣笛*) echo truck_horn ;;
    *火车鸣笛*) echo train_whistle ;;
    *火车*) echo train ;;
    *鸣笛*) echo car_horn ;;
    *刹车* | *漂移*) echo tyre_screech ;;
    *F1* | *赛车*) echo race_car ;;
    *摩托车*) echo motorbike ;;
    *发动*) echo engine_start ;;
    *直升飞机*) echo helicopter ;;
    *玻璃*) echo breaking_glass ;;
    *敲门*) echo knocking ;;
    *敲键盘*) echo typing ;;
    *马桶*) echo flush ;;
    *倒水*) echo pouring ;;
    *喷水*) echo shower ;;
    *硬币*) echo coins ;;
    *冲锋号*) echo bugle_charge ;;
    *剑击*) echo sword_fight ;;
    *拳声* | *打人音效*) echo punches ;;
    *口哨*) echo whistle ;;
    *滑跤*) echo slip ;;
    *兹兹*) echo electric_buzz ;;
    *呼噜*) echo snoring ;;
    *狼*) echo wolf_howl ;;
    *牛叫*) echo cow_moo ;;
    *鸟叫*) echo birdsong ;;
    *搓碟* | *磨盘*) echo scratching ;;
    *圣诞*) echo jingle_bells ;;
    Windows) echo chime ;;
    *过关* | *胜利*) echo victory_jingle ;;
    *吹箫*) echo bamboo_flute ;;
    *葫芦丝*) echo gourd_flute ;;
    *转场*) echo whoosh ;;
    *魔幻*) echo magic_sparkle ;;
    *震撼开场*) echo cinematic_boom ;;
    *恐怖音效*) echo horror_sting ;;
    *放屁* | *狗屁*) echo fart ;;
    *刷牙*) echo tooth_brushing ;;
    *喘息*) echo panting ;;
    *哆嗦*) echo chattering_teeth ;;
    卡通声音) echo boing ;;
    *灭灯*) echo lights_out ;;
    *) echo speech ;;
  esac
}

# --- sirens and alarms ---

# Two-tone hi-lo of an ambulance.
fx_ambulance() {
  local w=$1
  new "$w/hi.wav" synth 0.55 square 960 lowpass 2500 fade t 0.01 0.55 0.02
  new "$w/lo.wav" synth 0.55 square 770 lowpass 2500 fade t 0.01 0.55 0.02
  chain "$w/raw.wav" "$w/hi.wav" "$w/lo.wav" "$w/hi.wav" "$w/lo.wav" "$w/hi.wav" "$w/lo.wav"
}

# A slow wail, then the fast yelp of a police car.
fx_police_siren() {
  local w=$1
  new "$w/up.wav" synth 0.9 square 650-1500 lowpass 3000
  new "$w/down.wav" synth 0.9 square 1500-650 lowpass 3000
  new "$w/yelp-up.wav" synth 0.2 square 650-1500 lowpass 3000
  new "$w/yelp-down.wav" synth 0.2 square 1500-650 lowpass 3000
  local yelp=("$w/yelp-up.wav" "$w/yelp-down.wav")
  chain "$w/raw.wav" "$w/up.wav" "$w/down.wav" "${yelp[@]}" "${yelp[@]}" "${yelp[@]}" "${yelp[@]}"
}

# An air-raid siren winding up, holding and running down.
fx_air_raid_siren() {
  local w=$1
  new "$w/rise.wav" synth 1.4 sawtooth 180-600 lowpass 1500 lowpass 1500 fade q 0.3 1.4 0
  new "$w/hold.wav" synth 1.2 sawtooth 600 lowpass 1500 lowpass 1500 tremolo 4 15
  new "$w/fall.wav" synth 1.2 sawtooth 600-330 lowpass 1500 lowpass 1500 fade t 0 1.2 1
  chain "$w/raw.wav" "$w/rise.wav" "$w/hold.wav" "$w/fall.wav"
}

# Rising whoops with a gap between them: the warning tone of an alarm system.
fx_whoop_alarm() {
  local w=$1
  new "$w/whoop.wav" synth 0.6 square 500:1500 lowpass 3500 fade t 0.01 0.6 0.03 pad 0 0.15
  shape "$w/whoop.wav" "$w/raw.wav" repeat 4
}

# Fast whoops without a pause: a fire alarm.
fx_fire_alarm() {
  local w=$1
  new "$w/whoop.wav" synth 0.3 square 800:2000 lowpass 4000 fade t 0.005 0.3 0.01
  shape "$w/whoop.wav" "$w/raw.wav" repeat 11
}

# A car alarm: chirps alternating between two pitches, then rising whoops.
fx_car_alarm() {
  local w=$1
  new "$w/high.wav" synth 0.06 square 2000 lowpass 5000
  new "$w/low.wav" synth 0.06 square 1000 lowpass 5000
  chain "$w/chirps.wav" "$w/high.wav" "$w/low.wav"
  shape "$w/chirps.wav" "$w/chirping.wav" repeat 14
  new "$w/whoop.wav" synth 0.4 square 600:1800 lowpass 4000
  shape "$w/whoop.wav" "$w/whooping.wav" repeat 4
  chain "$w/raw.wav" "$w/chirping.wav" "$w/whooping.wav"
}

# Two deep blasts of a fog horn across open water.
fx_fog_horn() {
  local w=$1
  new "$w/blast.wav" synth 1.4 sawtooth 110 sawtooth mix 166 lowpass 700 lowpass 700 \
    fade q 0.12 1.4 0.35
  place "$w/dry.wav" 3800 "$w/blast.wav@0" "$w/blast.wav@1800"
  shape "$w/dry.wav" "$w/raw.wav" reverb 60 50 100
}

# --- bells and gongs ---

# A large bronze bell struck twice; its partials follow a bell's inharmonic series.
fx_temple_bell() {
  local w=$1
  strike "$w/bell.wav" 3.8 70:0.5:9 140:0.8:8 167:0.5:7 210:0.4:6 280:0.5:5 \
    351:0.3:4 421:0.25:3 582:0.2:2 805:0.12:1.2
  new "$w/hit.wav" synth 0.05 brownnoise lowpass 1500 fade l 0 0.05 0.05
  place "$w/raw.wav" 3800 "$w/bell.wav@0" "$w/hit.wav@0@0.5" "$w/bell.wav@2000@0.8" \
    "$w/hit.wav@2000@0.4"
}

# A Chinese gong: a falling pitch over a brassy shimmer, struck twice.
fx_gong() {
  local w=$1
  new "$w/tone.wav" synth 5 sine 190/165 fade l 0.003 5 5 trim 0 3.8
  new "$w/overtone1.wav" synth 3 sine 290/250 fade l 0.003 3 3
  new "$w/overtone2.wav" synth 2 sine 437/381 fade l 0.003 2 2
  new "$w/overtone3.wav" synth 1.5 sine 551/470 fade l 0.003 1.5 1.5
  new "$w/shimmer.wav" synth 1.2 pinknoise bandpass 3000 1q fade l 0.003 1.2 1.2
  place "$w/one.wav" 3800 "$w/tone.wav@0@0.6" "$w/overtone1.wav@0@0.4" \
    "$w/overtone2.wav@0@0.3" "$w/overtone3.wav@0@0.25" "$w/shimmer.wav@0@0.3"
  place "$w/raw.wav" 3800 "$w/one.wav@0" "$w/one.wav@1700@0.9"
}

# "Ding-dong" of a doorbell.
fx_doorbell() {
  local w=$1
  strike "$w/ding.wav" 2.4 659:0.6:3 1318:0.2:1.5 1977:0.08:0.8
  strike "$w/dong.wav" 2.4 523:0.6:3.5 1046:0.2:1.8 1569:0.08:0.9
  place "$w/raw.wav" 3000 "$w/ding.wav@0" "$w/dong.wav@600"
}

# clapper_bell OUT SECONDS HZ...: an electric bell, its clapper striking 22 times a second.
clapper_bell() {
  local out=$1 seconds=$2
  shift 2
  local partials=() hz
  for hz in "$@"; do partials+=("$hz:0.4:0.6"); done
  strike "$out.hit.wav" 0.045 "${partials[@]}"
  shape "$out.hit.wav" "$out.dry.wav" repeat "$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 22 - 1 }')"
  shape "$out.dry.wav" "$out" reverb 30
}

# The electric bell that ends a class.
fx_school_bell() {
  local w=$1
  clapper_bell "$w/ring.wav" 3.2 1150 1790 2700
  shape "$w/ring.wav" "$w/raw.wav" fade t 0 3.6 0.4
}

# An old telephone: two rings with a pause.
fx_phone_ring() {
  local w=$1
  clapper_bell "$w/ring.wav" 1.2 1400 2200 3150
  place "$w/raw.wav" 3700 "$w/ring.wav@0" "$w/ring.wav@2000"
}

# --- guns and bangs ---

# shot OUT: one gunshot: a crack, the body of the blast and a low thump, driven hard so that
# the blast, not just its first sample, is loud.
shot() {
  local out=$1
  new "$out.crack.wav" synth 0.12 whitenoise fade l 0 0.12 0.12
  new "$out.body.wav" synth 0.5 pinknoise lowpass 4000 fade l 0.001 0.5 0.5
  new "$out.thump.wav" synth 0.25 sine 110/40 fade l 0 0.25 0.25
  place "$out.dry.wav" 600 "$out.crack.wav@0@0.7" "$out.body.wav@0@1" "$out.thump.wav@0@0.7"
  shape "$out.dry.wav" "$out" overdrive 20
}

# A single shot echoing off buildings.
fx_gunshot() {
  local w=$1
  shot "$w/shot.wav"
  shape "$w/shot.wav" "$w/raw.wav" pad 0 1.2 echos 0.8 0.7 180 0.3 420 0.15 reverb 40
}

# One sniper shot across a valley: a long, rolling echo.
fx_sniper_shot() {
  local w=$1
  shot "$w/shot.wav"
  shape "$w/shot.wav" "$w/raw.wav" pad 0 2.8 echos 0.8 0.7 450 0.35 1000 0.2 1600 0.1 reverb 70
}

# Two short bursts of an assault rifle.
fx_rifle_bursts() {
  local w=$1 at=0 parts=() round
  shot "$w/shot.wav"
  for round in 0 110 220 330 1100 1210 1320 1430 1540; do parts+=("$w/shot.wav@$round"); done
  place "$w/dry.wav" 2600 "${parts[@]}"
  shape "$w/dry.wav" "$w/raw.wav" reverb 40
}

# A machine gun firing eleven rounds a second.
fx_machine_gun() {
  local w=$1
  shot "$w/shot.wav"
  shape "$w/shot.wav" "$w/round.wav" trim 0 0.09
  shape "$w/round.wav" "$w/dry.wav" repeat 29 pad 0 0.5
  shape "$w/dry.wav" "$w/raw.wav" reverb 40
}

# A firefight: shots near and far, bursts and an explosion.
fx_gunfight() {
  local w=$1 parts=() at gain i
  shot "$w/shot.wav"
  shape "$w/shot.wav" "$w/far.wav" lowpass 1200 reverb 80
  shape "$w/shot.wav" "$w/round.wav" trim 0 0.09
  shape "$w/round.wav" "$w/burst.wav" repeat 7
  new "$w/blast.wav" synth 2 brownnoise lowpass 400 fade l 0.01 2 2 overdrive 10
  for i in 1 2 3 4 5 6 7 8 9; do
    pick at 0 3300
    pick gain 3 9
    parts+=("$w/shot.wav@$at@0.$gain")
    pick at 0 3300
    parts+=("$w/far.wav@$at@0.5")
  done
  parts+=("$w/burst.wav@400@0.6" "$w/burst.wav@2300@0.8" "$w/blast.wav@1300@1")
  place "$w/dry.wav" 3800 "${parts[@]}"
  shape "$w/dry.wav" "$w/raw.wav" reverb 30
}

# A rifle being cocked: the bolt pulled back, then slammed home.
fx_gun_cocking() {
  local w=$1
  new "$w/click.wav" synth 0.03 whitenoise highpass 2000 fade l 0 0.03 0.03
  strike "$w/ping.wav" 0.12 3400:0.3:0.12 5100:0.2:0.08
  new "$w/slide.wav" synth 0.12 whitenoise bandpass 3000 2q fade h 0.05 0.12 0.05
  place "$w/raw.wav" 900 "$w/click.wav@0@0.6" "$w/slide.wav@20@0.3" "$w/ping.wav@0@0.4" \
    "$w/slide.wav@320@0.3" "$w/click.wav@440@1" "$w/ping.wav@440@0.6"
}

# A tyre bursting, then the air hissing out.
fx_tyre_burst() {
  local w=$1
  shot "$w/bang.wav"
  new "$w/hiss.wav" synth 3 whitenoise highpass 3000 lowpass 9000 fade q 0.05 3 2.2
  place "$w/raw.wav" 3600 "$w/bang.wav@0" "$w/hiss.wav@150@0.25"
}

# --- drums and body sounds ---

# War drums: a big drum beaten faster and faster.
fx_drums() {
  local w=$1 parts=() at
  new "$w/tone.wav" synth 0.7 sine 95/55 fade l 0.002 0.7 0.7
  new "$w/skin.wav" synth 0.08 brownnoise lowpass 2000 fade l 0 0.08 0.08
  place "$w/drum.wav" 700 "$w/tone.wav@0@0.8" "$w/skin.wav@0@0.5"
  for at in 0 500 1000 1250 1500 2000 2200 2400 2600 2800 2950 3100 3250; do
    parts+=("$w/drum.wav@$at")
  done
  place "$w/dry.wav" 3800 "${parts[@]}" "$w/drum.wav@3400@1.4"
  shape "$w/dry.wav" "$w/raw.wav" reverb 40
}

# A heartbeat: "lub-dub" four times.
fx_heartbeat() {
  local w=$1 parts=() at
  new "$w/lub.wav" synth 0.16 sine 70/40 fade l 0.01 0.16 0.16 overdrive 8
  new "$w/dub.wav" synth 0.12 sine 85/50 fade l 0.01 0.12 0.12 overdrive 8
  for at in 0 850 1700 2550; do
    parts+=("$w/lub.wav@$at" "$w/dub.wav@$((at + 280))@0.7")
  done
  place "$w/dry.wav" 3400 "${parts[@]}"
  shape "$w/dry.wav" "$w/raw.wav" lowpass 400
}

# A few punches landing.
fx_punches() {
  local w=$1
  new "$w/thud.wav" synth 0.15 brownnoise lowpass 800 fade l 0.002 0.15 0.15
  new "$w/body.wav" synth 0.12 sine 110/50 fade l 0.002 0.12 0.12
  new "$w/slap.wav" synth 0.02 whitenoise highpass 2500 fade l 0 0.02 0.02
  place "$w/punch.wav" 200 "$w/thud.wav@0" "$w/body.wav@0@0.8" "$w/slap.wav@0@0.5"
  place "$w/raw.wav" 1500 "$w/punch.wav@0" "$w/punch.wav@450@0.8" "$w/punch.wav@1100@1.1"
}

# Snoring: a fluttering breath in, a softer breath out, twice.
fx_snoring() {
  local w=$1
  new "$w/in.wav" synth 1.3 brownnoise lowpass 700 tremolo 28 90 fade q 0.6 1.3 0.5
  new "$w/out.wav" synth 1 pinknoise lowpass 1200 fade q 0.2 1 0.6
  place "$w/raw.wav" 3800 "$w/in.wav@0" "$w/out.wav@1300@0.3" "$w/in.wav@2500"
}

# --- weather and water ---

# drops OUT MS COUNT: rain drops pattering at random on a timeline.
drops() {
  local out=$1 length=$2 count=$3 parts=() at gain i
  new "$out.drop.wav" synth 0.006 whitenoise highpass 2500 fade l 0 0.006 0.006
  for ((i = 0; i < count; i++)); do
    pick at 0 "$length"
    pick gain 2 9
    parts+=("$out.drop.wav@$at@0.$gain")
  done
  place "$out" "$length" "${parts[@]}"
}

# Steady rain with drops pattering.
fx_rain() {
  local w=$1
  new "$w/bed.wav" synth 3.6 pinknoise highpass 400 lowpass 7000 fade q 0.3 3.6 0.5
  drops "$w/drops.wav" 3600 60
  place "$w/raw.wav" 3600 "$w/bed.wav@0@0.4" "$w/drops.wav@0@0.6"
}

# A downpour: dense noise with a low roar.
fx_heavy_rain() {
  local w=$1
  new "$w/hiss.wav" synth 3.6 whitenoise highpass 1000 lowpass 9000 tremolo 0.6 20
  new "$w/roar.wav" synth 3.6 brownnoise lowpass 500
  drops "$w/drops.wav" 3600 120
  place "$w/mix.wav" 3600 "$w/hiss.wav@0@0.3" "$w/roar.wav@0@0.5" "$w/drops.wav@0@0.5"
  shape "$w/mix.wav" "$w/raw.wav" fade q 0.2 3.6 0.6
}

# A thunder clap rolling away.
fx_thunder() {
  local w=$1
  new "$w/crack.wav" synth 0.4 whitenoise highpass 800 fade l 0 0.4 0.4
  new "$w/rumble.wav" synth 3.7 brownnoise lowpass 300 tremolo 3 60 tremolo 1.3 40 \
    fade t 0.08 3.7 3.2
  place "$w/dry.wav" 3700 "$w/crack.wav@0@0.6" "$w/rumble.wav@30"
  shape "$w/dry.wav" "$w/raw.wav" reverb 80
}

# A gusty wind whistling.
fx_wind() {
  local w=$1
  new "$w/raw.wav" synth 3.8 pinknoise bandpass 500 1.5q tremolo 0.4 60 \
    flanger 0 2 0 71 0.3 fade q 0.6 3.8 1
}

# A storm: a roaring wind with a howl over it and strong gusts.
fx_storm_wind() {
  local w=$1
  new "$w/roar.wav" synth 3.8 brownnoise lowpass 600 tremolo 0.3 70
  new "$w/howl.wav" synth 3.8 pinknoise bandpass 900 8q tremolo 0.7 80
  place "$w/mix.wav" 3800 "$w/roar.wav@0@0.7" "$w/howl.wav@0@1"
  shape "$w/mix.wav" "$w/raw.wav" flanger 0 3 0 71 0.5 fade q 0.3 3.8 0.8
}

# A wave building, breaking and running back over the sand.
fx_waves() {
  local w=$1
  new "$w/swell.wav" synth 3.8 pinknoise lowpass 2500 fade q 1.2 3.8 2.4
  new "$w/break.wav" synth 2.6 whitenoise highpass 1500 fade t 0.3 2.6 2
  new "$w/rumble.wav" synth 3 brownnoise lowpass 300 fade q 0.8 3 1.6
  place "$w/raw.wav" 3800 "$w/swell.wav@0@0.6" "$w/break.wav@1000@0.35" "$w/rumble.wav@300@0.6"
}

# bubbles OUT MS COUNT LOW_HZ HIGH_HZ: bubbles popping at random, each a short upward chirp;
# their pitch climbs from LOW_HZ to HIGH_HZ over the timeline, as in a filling glass.
bubbles() {
  local out=$1 length=$2 count=$3 low=$4 high=$5 parts=() at hz i
  for ((i = 0; i < count; i++)); do
    pick at 0 "$length"
    hz=$((low + (high - low) * at / length))
    new "$out.$i.wav" synth 0.04 sine "$hz/$((hz * 2))" fade l 0.002 0.04 0.038
    parts+=("$out.$i.wav@$at@0.5")
  done
  place "$out" "$length" "${parts[@]}"
}

# A toilet flushing: the lever, the rush of water and its gurgle.
fx_flush() {
  local w=$1
  new "$w/lever.wav" synth 0.05 whitenoise bandpass 1500 1q fade l 0 0.05 0.05
  new "$w/rush.wav" synth 3.6 pinknoise lowpass 2500 fade q 0.2 3.6 2.5
  new "$w/gurgle.wav" synth 2.5 brownnoise tremolo 7 60 fade q 0.5 2.5 1
  bubbles "$w/bubbles.wav" 2000 14 300 600
  place "$w/raw.wav" 3800 "$w/lever.wav@0" "$w/rush.wav@150@0.6" "$w/gurgle.wav@1000@0.5" \
    "$w/bubbles.wav@1500@0.6"
}

# Water poured into a glass: a splashing stream under rising bubbles.
fx_pouring() {
  local w=$1
  new "$w/stream.wav" synth 3.2 pinknoise highpass 600 lowpass 5000 fade q 0.1 3.2 0.3
  bubbles "$w/bubbles.wav" 3200 45 400 1400
  place "$w/raw.wav" 3200 "$w/stream.wav@0@0.3" "$w/bubbles.wav@0@1"
}

# A shower spraying.
fx_shower() {
  local w=$1
  new "$w/spray.wav" synth 3.5 whitenoise highpass 1500 lowpass 9000 tremolo 3 10
  new "$w/body.wav" synth 3.5 pinknoise lowpass 1500
  place "$w/mix.wav" 3500 "$w/spray.wav@0@0.5" "$w/body.wav@0@0.4"
  shape "$w/mix.wav" "$w/raw.wav" fade q 0.15 3.5 0.6
}

# --- vehicles ---

# Two beeps of a car horn.
fx_car_horn() {
  local w=$1
  new "$w/short.wav" synth 0.25 square 420 square mix 520 lowpass 3000 fade t 0.01 0.25 0.03
  new "$w/long.wav" synth 0.7 square 420 square mix 520 lowpass 3000 fade t 0.01 0.7 0.05
  place "$w/raw.wav" 1150 "$w/short.wav@0" "$w/long.wav@400"
}

# A lorry's air horn: a low chord, blown twice.
fx_truck_horn() {
  local w=$1
  new "$w/blast.wav" synth 1.6 sawtooth 185 sawtooth mix 233 sawtooth mix 277 \
    lowpass 2500 overdrive 5 fade t 0.03 1.6 0.1
  place "$w/raw.wav" 3400 "$w/blast.wav@0" "$w/blast.wav@1800@0.9"
}

# whistle_chord OUT SECONDS: a steam whistle's chord with the hiss of the steam.
whistle_chord() {
  local out=$1 seconds=$2
  new "$out.chord.wav" synth "$seconds" sine 440 sine mix 554 sine mix 659 tremolo 5 10 \
    fade q 0.15 "$seconds" 0.4
  new "$out.steam.wav" synth "$seconds" whitenoise highpass 2000 fade q 0.1 "$seconds" 0.4
  local ms=$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1000 }')
  place "$out" "$ms" "$out.chord.wav@0" "$out.steam.wav@0@0.08"
}

# A train's whistle.
fx_train_whistle() {
  local w=$1
  whistle_chord "$w/whistle.wav" 2.2
  shape "$w/whistle.wav" "$w/raw.wav" pad 0 0.8 reverb 60
}

# A steam train coming: a whistle, then chuffing and the rails clacking.
fx_train() {
  local w=$1 parts=() at gain
  whistle_chord "$w/whistle.wav" 1.2
  new "$w/chuff.wav" synth 0.15 pinknoise highpass 200 fade l 0.005 0.15 0.15
  strike "$w/clack.wav" 0.08 1200:0.5:0.08 2500:0.3:0.05
  parts=("$w/whistle.wav@0@0.8")
  # Chuffs come in fours, the first of each the strongest.
  for ((at = 300; at < 3700; at += 180)); do
    gain=$(((at / 180) % 4 == 1 ? 9 : 5))
    parts+=("$w/chuff.wav@$at@0.$gain")
  done
  for at in 1000 2000 3000; do parts+=("$w/clack.wav@$at" "$w/clack.wav@$((at + 120))"); done
  place "$w/mix.wav" 3800 "${parts[@]}"
  shape "$w/mix.wav" "$w/raw.wav" fade q 1.5 3.8 0
}

# Tyres screeching on asphalt.
fx_tyre_screech() {
  local w=$1
  new "$w/squeal.wav" synth 1.6 sine 2600/2300 tremolo 40 30 fade q 0.05 1.6 0.5
  new "$w/scrub.wav" synth 1.6 whitenoise bandpass 2500 0.5q fade q 0.05 1.6 0.5
  place "$w/raw.wav" 1700 "$w/squeal.wav@0@0.7" "$w/scrub.wav@0@0.3"
}

# engine OUT SECONDS FROM_HZ TO_HZ: an engine whose firing rate runs from one rate to another.
engine() {
  new "$1" synth "$2" sawtooth "$3-$4" overdrive 20 lowpass 1500 tremolo "$3" 30
}

# A racing car passing at speed: rising as it comes, the pitch dropping as it goes by.
fx_race_car() {
  local w=$1
  new "$w/come.wav" synth 1.4 sawtooth 600-690 overdrive 15 lowpass 4000 fade q 1.4 1.4 0
  new "$w/pass.wav" synth 0.3 sawtooth 690-440 overdrive 15 lowpass 4000
  new "$w/go.wav" synth 1.6 sawtooth 440-400 overdrive 15 lowpass 3000 fade t 0 1.6 1.5
  chain "$w/raw.wav" "$w/come.wav" "$w/pass.wav" "$w/go.wav"
}

# A motorbike idling, then revving up twice.
fx_motorbike() {
  local w=$1
  engine "$w/idle.wav" 0.9 40 42
  engine "$w/rev.wav" 0.8 42 115
  engine "$w/drop.wav" 0.6 115 55
  engine "$w/rev2.wav" 0.9 55 125
  engine "$w/settle.wav" 0.6 125 60
  chain "$w/raw.wav" "$w/idle.wav" "$w/rev.wav" "$w/drop.wav" "$w/rev2.wav" "$w/settle.wav"
}

# A car engine: the starter cranking, the engine catching and idling.
fx_engine_start() {
  local w=$1
  new "$w/crank.wav" synth 1 sawtooth 180 lowpass 1200 tremolo 7 80
  engine "$w/catch.wav" 0.5 30 75
  engine "$w/settle.wav" 0.5 75 30
  engine "$w/idle.wav" 1.7 30 30
  chain "$w/raw.wav" "$w/crank.wav" "$w/catch.wav" "$w/settle.wav" "$w/idle.wav"
}

# A helicopter overhead: the rotor beating the air over the turbine's whine.
fx_helicopter() {
  local w=$1
  new "$w/chop.wav" synth 0.09 brownnoise lowpass 900 fade l 0.004 0.09 0.09
  shape "$w/chop.wav" "$w/rotor.wav" repeat 40
  new "$w/turbine.wav" synth 3.7 sine 1800 sine mix 2700 tremolo 0.5 20
  place "$w/raw.wav" 3700 "$w/rotor.wav@0@1" "$w/turbine.wav@0@0.04"
}

# --- household ---

# Glass smashing: the impact and shards tinkling down.
fx_breaking_glass() {
  local w=$1 parts=() at hz gain shard i
  new "$w/impact.wav" synth 0.6 whitenoise highpass 2500 fade l 0 0.6 0.6
  parts=("$w/impact.wav@0@0.8")
  for hz in 2900 3700 4600 5800 7200; do
    strike "$w/shard$hz.wav" 0.3 "$hz:0.5:0.3" "$((hz * 27 / 10)):0.2:0.15"
  done
  local shards=(2900 3700 4600 5800 7200)
  for ((i = 0; i < 18; i++)); do
    pick at 30 1800
    pick shard 0 4
    pick gain 2 7
    parts+=("$w/shard${shards[shard]}.wav@$at@0.$gain")
  done
  place "$w/raw.wav" 2300 "${parts[@]}"
}

# Three knocks on a wooden door, then three more.
fx_knocking() {
  local w=$1 parts=() at
  new "$w/wood.wav" synth 0.09 sine 170/120 fade l 0.001 0.09 0.09
  new "$w/tap.wav" synth 0.05 pinknoise bandpass 700 1q fade l 0 0.05 0.05
  place "$w/knock.wav" 100 "$w/wood.wav@0" "$w/tap.wav@0@0.6"
  for at in 0 220 440 1300 1520 1740; do parts+=("$w/knock.wav@$at"); done
  place "$w/raw.wav" 2000 "${parts[@]}"
}

# Typing on a keyboard, now and then the space bar.
fx_typing() {
  local w=$1 parts=() at=0 gap key gain
  local keys=(2200 3200 4500)
  for key in "${keys[@]}"; do
    new "$w/key$key.wav" synth 0.015 whitenoise bandpass "$key" 1q fade l 0 0.015 0.015
  done
  new "$w/space.wav" synth 0.03 pinknoise bandpass 900 1q fade l 0 0.03 0.03
  while ((at < 3200)); do
    pick key 0 8
    pick gain 5 9
    if ((key == 8)); then
      parts+=("$w/space.wav@$at@0.$gain")
    else
      parts+=("$w/key${keys[key % 3]}.wav@$at@0.$gain")
    fi
    pick gap 60 190
    at=$((at + gap))
  done
  place "$w/raw.wav" 3400 "${parts[@]}"
}

# A handful of coins poured onto a table, clinking.
fx_coins() {
  local w=$1 parts=() at hz gain i
  for i in 1 2 3 4 5 6; do
    pick hz 3800 6500
    strike "$w/coin$i.wav" 0.3 "$hz:0.5:0.3" "$((hz * 276 / 100)):0.25:0.15"
  done
  for ((i = 0; i < 34; i++)); do
    # Many coins land at first, fewer later.
    pick at 0 1400
    at=$((at * at / 1400 + 50))
    pick hz 1 6
    pick gain 3 9
    parts+=("$w/coin$hz.wav@$at@0.$gain")
  done
  place "$w/raw.wav" 2000 "${parts[@]}"
}

# --- music and signals ---

# tune OUT WAVE EFFECTS -- NOTE:MS...: a melody, each note played for its time in ms.
tune() {
  local out=$1 wave=$2 effects=() parts=() at=0 piece name ms i=0
  shift 2
  while [[ $1 != -- ]]; do effects+=("$1"); shift; done
  shift
  for piece in "$@"; do
    IFS=: read -r name ms <<<"$piece"
    if [[ $name != rest ]]; then
      note "$out.$i.wav" "$name" "$(awk -v m="$ms" 'BEGIN { printf "%.3f", m / 1000 }')" \
        "$wave" "${effects[@]}"
      parts+=("$out.$i.wav@$at")
    fi
    at=$((at + ms))
    i=$((i + 1))
  done
  place "$out" "$at" "${parts[@]}"
}

# A bugle sounding the charge.
fx_bugle_charge() {
  local w=$1
  tune "$w/call.wav" sawtooth lowpass 2200 tremolo 5 15 fade t 0.02 0 0.03 -- \
    G4:180 G4:180 G4:180 C5:450 E5:180 E5:180 E5:180 G5:550 E5:240 C5:240 G5:900
  shape "$w/call.wav" "$w/raw.wav" reverb 40
}

# A swordfight: blades clashing and scraping.
fx_sword_fight() {
  local w=$1 parts=() at gain i
  strike "$w/clash1.wav" 0.6 2500:0.4:0.6 3700:0.3:0.5 5100:0.2:0.4 6900:0.1:0.3
  strike "$w/clash2.wav" 0.6 2900:0.4:0.6 4100:0.3:0.5 5600:0.2:0.4 7400:0.1:0.3
  new "$w/edge.wav" synth 0.05 whitenoise highpass 4000 fade l 0 0.05 0.05
  new "$w/scrape.wav" synth 0.25 whitenoise bandpass 5000 3q fade h 0.05 0.25 0.15
  for i in 1 2 3 4 5 6 7; do
    pick at $((i * 450 - 450)) $((i * 450 - 250))
    pick gain 6 9
    parts+=("$w/clash$((i % 2 + 1)).wav@$at@0.$gain" "$w/edge.wav@$at@0.5")
  done
  parts+=("$w/scrape.wav@1150@0.4" "$w/scrape.wav@2500@0.4")
  place "$w/dry.wav" 3500 "${parts[@]}"
  shape "$w/dry.wav" "$w/raw.wav" reverb 30
}

# A wolf whistle: a rising note, then one that rises and falls.
fx_whistle() {
  local w=$1
  new "$w/up.wav" synth 0.3 sine 1000+2500 fade h 0.03 0.3 0.05
  new "$w/rise.wav" synth 0.2 sine 1200+2600 fade h 0.03 0.2 0
  new "$w/fall.wav" synth 0.6 sine 2600/900 fade h 0 0.6 0.25
  new "$w/gap.wav" trim 0 0.15
  new "$w/breath.wav" synth 1.3 pinknoise bandpass 2000 1q
  chain "$w/tone.wav" "$w/up.wav" "$w/gap.wav" "$w/rise.wav" "$w/fall.wav"
  place "$w/raw.wav" 1300 "$w/tone.wav@0" "$w/breath.wav@0@0.03"
}

# Slipping up: a slide whistle falling, then the bump.
fx_slip() {
  local w=$1
  new "$w/slide.wav" synth 0.8 sine 1800/300 fade t 0.02 0.8 0.05
  new "$w/bump.wav" synth 0.25 sine 90/45 fade l 0 0.25 0.25
  new "$w/thud.wav" synth 0.15 brownnoise lowpass 600 fade l 0 0.15 0.15
  place "$w/raw.wav" 1300 "$w/slide.wav@0@0.7" "$w/bump.wav@850" "$w/thud.wav@850@0.8"
}

# An electric buzz crackling with sparks.
fx_electric_buzz() {
  local w=$1 parts=() at i
  new "$w/hum.wav" synth 2.8 sawtooth 100 highpass 200 overdrive 20 tremolo 8 60
  new "$w/spark.wav" synth 0.04 whitenoise highpass 1500 fade l 0 0.04 0.04
  parts=("$w/hum.wav@0@0.5")
  for i in 1 2 3 4 5 6 7 8 9 10; do
    pick at 0 2700
    parts+=("$w/spark.wav@$at@0.8")
  done
  place "$w/raw.wav" 2800 "${parts[@]}"
}

# A ringing chime: a rising arpeggio on a soft bell.
fx_chime() {
  local w=$1 parts=() at=0 hz
  for hz in 523 659 784 1047; do
    strike "$w/n$hz.wav" 2 "$hz:0.5:2.5" "$((hz * 2)):0.15:1.2" "$((hz * 3)):0.05:0.6"
    parts+=("$w/n$hz.wav@$at")
    at=$((at + 180))
  done
  place "$w/dry.wav" 2800 "${parts[@]}"
  shape "$w/dry.wav" "$w/raw.wav" reverb 50
}

# A chiptune jingle for a level won: rising square-wave arpeggios and a held top note.
fx_victory_jingle() {
  local w=$1
  tune "$w/raw.wav" square lowpass 5000 fade t 0.005 0 0.02 -- \
    C5:100 E5:100 G5:100 C6:100 D5:100 F#5:100 A5:100 D6:100 E5:100 G#5:100 B5:100 E6:700
}

# Jingle Bells on a glockenspiel, sleigh bells on the beat.
fx_jingle_bells() {
  local w=$1 parts=() at=0 piece name ms hz i=0 beat
  local -A pitch=([E5]=659 [G5]=784 [C5]=523 [D5]=587)
  for piece in E5:220 E5:220 E5:440 E5:220 E5:220 E5:440 E5:220 G5:220 C5:330 D5:110 E5:880; do
    IFS=: read -r name ms <<<"$piece"
    hz=${pitch[$name]}
    [[ -f $w/$name.wav ]] ||
      strike "$w/$name.wav" 1 "$hz:0.5:1.2" "$((hz * 276 / 100)):0.2:0.4"
    parts+=("$w/$name.wav@$at")
    at=$((at + ms))
  done
  new "$w/shake.wav" synth 0.12 whitenoise highpass 6000 fade l 0.01 0.12 0.11
  for ((beat = 0; beat < at; beat += 220)); do parts+=("$w/shake.wav@$beat@0.25"); done
  place "$w/raw.wav" "$((at + 300))" "${parts[@]}"
}

# flute_tune OUT DRONE NOTE:MS...: a breathy flute; DRONE is a held note under it, or "none".
flute_tune() {
  local out=$1 drone=$2
  shift 2
  tune "$out.melody.wav" sine tremolo 5 20 fade q 0.06 0 0.08 -- "$@"
  local length
  length=$(soxi -D "$out.melody.wav")
  new "$out.breath.wav" synth "$length" pinknoise highpass 1200 lowpass 5000
  local parts=("$out.melody.wav@0" "$out.breath.wav@0@0.04")
  if [[ $drone != none ]]; then
    new "$out.drone.wav" synth "$length" sine "$drone" fade q 0.1 "$length" 0.3
    parts+=("$out.drone.wav@0@0.25")
  fi
  place "$out.dry.wav" "$(awk -v s="$length" 'BEGIN { printf "%d", s * 1000 }')" "${parts[@]}"
  shape "$out.dry.wav" "$out" reverb 50
}

# A phrase on the low bamboo flute, in the pentatonic scale.
fx_bamboo_flute() {
  flute_tune "$1/raw.wav" none D4:450 E4:300 F#4:300 A4:600 B4:300 A4:300 F#4:450 E4:300 D4:800
}

# A phrase on the gourd flute, its drone pipe holding the tonic.
fx_gourd_flute() {
  flute_tune "$1/raw.wav" A4 A5:300 C#6:300 E6:600 F#6:300 E6:300 C#6:450 B5:300 A5:900
}

# A record scratched back and forth over a beat.
fx_scratching() {
  local w=$1 parts=() at
  new "$w/fwd.wav" synth 0.12 sawtooth 150-900 lowpass 3000 fade t 0.01 0.12 0.02
  new "$w/back.wav" synth 0.12 sawtooth 900-150 lowpass 3000 fade t 0.01 0.12 0.02
  new "$w/kick.wav" synth 0.25 sine 120/45 fade l 0.002 0.25 0.25
  for at in 0 500 1000 1500 2000 2500 3000; do parts+=("$w/kick.wav@$at"); done
  for at in 0 250 1000 1125 1250 2000 2250 2500 2625; do
    parts+=("$w/fwd.wav@$at@0.6" "$w/back.wav@$((at + 120))@0.6")
  done
  place "$w/raw.wav" 3300 "${parts[@]}"
}

# --- animals ---

# A wolf howling: a long note sliding up, held and falling away. One tone bent in pitch, so
# the slides join without a click.
fx_wolf_howl() {
  local w=$1
  new "$w/howl.wav" synth 3 sine 400 sine mix 800 fade q 0.15 3 0.9 \
    bend 0,970,0.6 1.2,-850,1.2 tremolo 6 15
  shape "$w/howl.wav" "$w/raw.wav" pad 0 0.5 reverb 60
}

# A cow's moo: the closed "mm", then the open, falling "ooo".
fx_cow_moo() {
  local w=$1
  new "$w/mm.wav" synth 0.3 sawtooth 125 lowpass 300 lowpass 300 fade q 0.1 0.3 0
  new "$w/oo.wav" synth 1.5 sawtooth 130-100 lowpass 900 lowpass 900 fade q 0 1.5 0.6
  chain "$w/moo.wav" "$w/mm.wav" "$w/oo.wav"
  shape "$w/moo.wav" "$w/raw.wav" reverb 30
}

# Birds singing: chirps and trills at random.
fx_birdsong() {
  local w=$1 parts=() at kind i
  new "$w/chirp0.wav" synth 0.06 sine 3000/5000 fade h 0.005 0.06 0.02
  new "$w/chirp1.wav" synth 0.08 sine 5200/3500 fade h 0.005 0.08 0.02
  new "$w/chirp2.wav" synth 0.3 sine 4000 tremolo 28 100 fade h 0.02 0.3 0.05
  new "$w/chirp3.wav" synth 0.05 sine 2500/4200 fade h 0.005 0.05 0.02
  for i in $(seq 1 22); do
    pick at 0 3300
    pick kind 0 3
    parts+=("$w/chirp$kind.wav@$at@0.5")
  done
  place "$w/dry.wav" 3500 "${parts[@]}"
  shape "$w/dry.wav" "$w/raw.wav" reverb 30
}

# --- applause ---

# applause OUT PEOPLE: that many people clapping, each at their own pace.
applause() {
  local out=$1 people=$2 parts=() hz period start i kind
  for hz in 1200 1800 2600; do
    new "$out.clap$hz.wav" synth 0.03 whitenoise bandpass "$hz" 0.8q fade l 0 0.03 0.03
  done
  local kinds=(1200 1800 2600)
  for ((i = 0; i < people; i++)); do
    pick period 170 280
    pick start 0 300
    pick kind 0 2
    shape "$out.clap${kinds[kind]}.wav" "$out.person$i.wav" \
      pad 0 "$(samples $((period - 30)))" repeat $((3600 / period))
    parts+=("$out.person$i.wav@$start@0.4")
  done
  place "$out.dry.wav" 3600 "${parts[@]}"
  shape "$out.dry.wav" "$out" fade q 0.3 3.6 1.2 reverb 20
}

fx_loud_applause() { applause "$1/raw.wav" 24; }

fx_light_applause() { applause "$1/raw.wav" 6; }

# --- cinematic ---

# A transition whoosh ending in a soft hit.
fx_whoosh() {
  local w=$1
  new "$w/air.wav" synth 1.2 pinknoise bandpass 1200 1q fade h 0.7 1.2 0.5 flanger 0 3 0 71 2
  new "$w/hit.wav" synth 0.8 sine 80/40 fade l 0.002 0.8 0.8
  place "$w/dry.wav" 2000 "$w/air.wav@0" "$w/hit.wav@700@0.6"
  shape "$w/dry.wav" "$w/raw.wav" reverb 50
}

# Magic in the air: glittering chimes over a soft shimmering chord.
fx_magic_sparkle() {
  local w=$1 parts=() at note i
  local notes=(1568 1760 2093 2349 2637 3136 3520)
  for i in 0 1 2 3 4 5 6; do
    strike "$w/p$i.wav" 0.8 "${notes[i]}:0.5:0.8" "$((notes[i] * 3)):0.1:0.3"
  done
  new "$w/pad.wav" synth 3.6 sine 440 sine mix 554 sine mix 659 tremolo 6 40 fade q 1 3.6 1
  parts=("$w/pad.wav@0@0.3")
  for i in $(seq 1 18); do
    pick at 0 3000
    pick note 0 6
    parts+=("$w/p$note.wav@$at@0.5")
  done
  place "$w/dry.wav" 3600 "${parts[@]}"
  shape "$w/dry.wav" "$w/raw.wav" reverb 80
}

# A big cinematic opening: a deep boom under a brass chord.
fx_cinematic_boom() {
  local w=$1
  new "$w/boom.wav" synth 3 sine 60/30 fade t 0.005 3 2.8
  new "$w/rumble.wav" synth 2.5 brownnoise lowpass 200 fade l 0.005 2.5 2.5
  new "$w/hit.wav" synth 0.15 whitenoise lowpass 3000 fade l 0 0.15 0.15
  new "$w/brass.wav" synth 3.2 sawtooth A1 sawtooth mix A2 sawtooth mix E3 lowpass 600 \
    fade t 0.05 3.2 2.5
  place "$w/dry.wav" 3600 "$w/boom.wav@0@0.8" "$w/rumble.wav@0@0.6" "$w/hit.wav@0@0.5" \
    "$w/brass.wav@0@0.5"
  shape "$w/dry.wav" "$w/raw.wav" reverb 70
}

# A horror sting: a dissonant drone swelling until a shrill stab.
fx_horror_sting() {
  local w=$1
  new "$w/drone.wav" synth 2.6 sawtooth 110 sawtooth mix 116.5 sawtooth mix 155.6 \
    lowpass 1500 tremolo 6 60 fade t 2.4 2.6 0.2
  new "$w/stab.wav" synth 1.2 sawtooth 880 sawtooth mix 932 sawtooth mix 1245 \
    lowpass 4000 fade l 0.005 1.2 1.2
  new "$w/screech.wav" synth 1.2 sine 2900/3100 tremolo 9 60 fade t 0 1.2 1
  place "$w/dry.wav" 3800 "$w/drone.wav@0@0.6" "$w/stab.wav@2500@0.8" "$w/screech.wav@2500@0.3"
  shape "$w/dry.wav" "$w/raw.wav" reverb 80
}

# --- comic ---

# A long, wet fart.
fx_fart() {
  local w=$1
  new "$w/buzz.wav" synth 1.1 sawtooth 95-60 tremolo 14 70 lowpass 700 overdrive 10 \
    fade q 0.02 1.1 0.35
  new "$w/wet.wav" synth 1.1 brownnoise tremolo 21 90 lowpass 900 fade q 0.02 1.1 0.4
  place "$w/raw.wav" 1100 "$w/buzz.wav@0" "$w/wet.wav@0@0.4"
}

# Teeth brushed briskly, the brush going back and forth.
fx_tooth_brushing() {
  local w=$1
  new "$w/raw.wav" synth 3 whitenoise highpass 2000 lowpass 8000 tremolo 4.5 95 fade q 0.1 3 0.3
}

# A dog panting: quick breaths in and out.
fx_panting() {
  local w=$1 parts=() at
  new "$w/out.wav" synth 0.12 pinknoise bandpass 1200 1q fade h 0.03 0.12 0.07
  new "$w/in.wav" synth 0.1 pinknoise bandpass 1800 1q fade h 0.03 0.1 0.06
  for ((at = 0; at < 3000; at += 260)); do
    parts+=("$w/out.wav@$at" "$w/in.wav@$((at + 130))@0.6")
  done
  place "$w/raw.wav" 3100 "${parts[@]}"
}

# Teeth chattering with cold, in two fits.
fx_chattering_teeth() {
  local w=$1
  new "$w/click.wav" synth 0.07 pinknoise bandpass 2500 2q fade l 0 0.012 0.012 pad 0 0.058
  shape "$w/click.wav" "$w/fit.wav" repeat 18
  place "$w/raw.wav" 2900 "$w/fit.wav@0" "$w/fit.wav@1500@0.8"
}

# A cartoon spring: a tone wobbling in pitch, dying away.
fx_boing() {
  local w=$1 bends=() i cents=450
  for i in 1 2 3 4 5 6 7 8 9 10 11 12; do
    bends+=("0,$cents,0.05" "0,$((-cents)),0.05")
    cents=$((cents * 85 / 100))
  done
  new "$w/raw.wav" synth 1.3 sine 180 sine mix 360 fade t 0.005 1.3 1.2 bend "${bends[@]}"
}

# The lights going out: a heavy tone dropping away.
fx_lights_out() {
  local w=$1
  new "$w/drop.wav" synth 1.2 sawtooth 400-70 lowpass 1500 fade t 0.01 1.2 0.5
  new "$w/clunk.wav" synth 0.15 brownnoise lowpass 500 fade l 0 0.15 0.15
  place "$w/dry.wav" 1500 "$w/clunk.wav@0" "$w/drop.wav@0@0.9"
  shape "$w/dry.wav" "$w/raw.wav" reverb 50
}
