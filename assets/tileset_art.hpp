#pragma once

// The tile atlas as text, one character per texel: a colour legend, then the
// 56 tiles, each a labelled 16 x 16 block ('.' is transparent). Tile n lands
// in slot column (n - 1) % 7, slot row (n - 1) / 7; the eighth slot column
// stays empty. Turned into tilesetImage while compiling (pixel_art.hpp).
inline constexpr int tilesetArtLine = __LINE__ + 1;
inline constexpr char tilesetArt[] = R"art(
colour e  6  4  3  earth base, earth fill
colour b 10  6  4  earth specks, roots
colour l 14 10  7  lightest earth specks, light top edges, roots
colour d  4  2  2  cave wall base, shadow under the grass
colour y 21 24  6  top band of the grass, bush highlights
colour g  6 13  4  grass and bush green
colour G 10 19  8  light grass and bush green
colour k  4  8  2  darkest bush green
colour t  5 14  7  tuft green, grass of the end pieces
colour T 11 18  5  light tuft green, grass of the end pieces
colour s  3 16 21  sky

tile 1 tuft
................
................
................
................
................
................
................
................
................
................
................
................
......T.........
...T..t...T.....
....t.t..t......
....t.t.t.......

tile 2 tuft
................
................
................
................
................
................
................
................
................
................
................
..........T.....
.....T...t......
......t..t..T...
......t.t..t....
.......tt.t.....

tile 3 tuft
................
................
................
................
................
................
................
................
................
................
................
................
..T.............
...t..T.........
...t.t...T......
....tt..t.......

tile 4 tuft
................
................
................
................
................
................
................
................
................
................
................
................
........T.......
.....T..t..T....
......t.t.t.....
......t.tt......

tile 5 bush, left half
..............yy
............yyyG
...........yyGGG
..........yyGGGG
..........yGGGGG
........yyGGGGGG
......yyGGGGGGGg
.....yGGGGGyyGgg
.....yGGGyyGGGGg
....yyGGyyGGGGGg
...yGGGGyGGGGGyy
..yGGGGgGGGGgyGG
..GGGGgggGGggGGG
..GGggggkggggGGg
..GgggkkkgggkGgg
...kkkk....kk.kk

tile 6 bush, right half
y...............
GGG.............
GGGG............
GGGgg...........
GGggg...........
gggggyyyG.......
gggyyGGGGG......
ggyyGGGGGGg.....
gyGGGGGGggg.....
yGGGGGGggyyG....
GGGGGgggyGGGG...
GGgGgggyGGGGgg..
GgggggkGGGGggg..
gggggkkGGggggk..
gkkkkk..gggkkk..
kkkkk....kkkk...

tile 7 earth fill
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 8 grass top, left end
...yyyyyyyyyyyyy
.yyyyyyyyyyyyyyy
yTTTGGGGGGGGGGGG
TTtTTGGGGGGGGGGG
tTTtTgggGGgGGGGG
tTttTtgggggggggG
.tTtdtddggdggggg
.t.tddbegdbgdgdg
.t.deeeedeededeg
..beeeeeeeeeeeed
.beeeeeeeeeeeeee
..beeeeeeeebeebe
..beeeeeeeeeeeee
.blbeeeeeeeeeeee
.bbbbeeeeeelbeee
.beeeeeeeeebbbee

tile 9 grass top
yyyyyyyyyyyyyyyy
yyyyyyyyyyyyyyyy
GGGGGGGGGGGGGGGG
GGGGGGGGGGGGGGGG
GGGGGGgGgGGgGGGg
gggggGggdggdgggg
ggggggdgeggegggd
gdggggegedgegdde
dedddgedeededeee
eeeeedeeeeeebbee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeebeeeee
eeeeeeeeeeeeelbe
eeeeeeeeeeeeebbb
eeeeeeeeeeeeeeee

tile 10 grass top
yyyyyyyyyyyyyyyy
yyyyyyyyyyyyyyyy
GGGGGGGGGGGGGGGG
GGGGGGGGGGGGGGGG
GgGGgggGGGgggGgg
gggGddggGggggGgg
gdggeedgggdddgdd
dedgeebdgdeeegbb
eeegeeeegeeeegeb
eeedeeeedeeeedee
eeeeeeeeeeeeeeee
eeeeeeeeeebeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 11 grass top
yyyyyyyyyyyyyyyy
yyyyyyyyyyyyyyyy
GGGGGGGGGGGGGGGG
GGGGGGGGGGGGGGGG
gGGGGGGGGggGGGgg
gggGggggGggggGdg
dggggggggddggged
eddgggddgeeddgee
eeegddeegbbeegee
eeldeeeedebeedle
eeeeeeeeeeeeeeee
eeeeebeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeebb
eeeeeeeeeeeeeeeb
eeeeeeeeeeeeeeee

tile 12 grass top
yyyyyyyyyyyyyyyy
yyyyyyyyyyyyyyyy
GGGGGGGGGGGGGGGG
GGGGGGGGGGGGGGGG
ggGGGgggGGgGGgGg
gggggddggggggdGg
ddgggeedggdgglgd
eedddbeeddeddbge
eeeeeeeeeeeeeege
eeeeeeeeeeeeeede
eeeeeebbeeeeeeee
eeeeeeeeeeeeeeee
eebbeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeelbeeeeeee
eebeeeeeeeeeeeee

tile 13 grass top
yyyyyyyyyyyyyyyy
yyyyyyyyyyyyyyyy
GGGGGGGGGGGGGGGG
GGGGGGGGGGGGGGGG
GggGgGGGGgGgGGGg
GgggggggGggggggg
gddgdggggdgdgggd
geededddgegegdde
geeeeeeegededele
deeeeeeedbeeeeee
eeeeeeeebbbeeeeb
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
bbeeeeeleeeeeeee
ebeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 14 grass top, right end
yyyyyyyyyyyyy...
yyyyyyyyyyyyyyy.
GGGGGGGGGGGGTTTy
GGGGGGGGGGGTTtTT
ggGgGGgGGggTtTTt
ggGgggdGgdtTttTt
ddgdggbggetdtTt.
eegedgegdeddt.t.
eegeedegeeeed.t.
eedeeeedeeeeeb..
eeeeeeeeeeeeeeb.
eeeeeebbeeleeb..
eeeeeebeeeeeeb..
eeeeeeeeeeeeeeb.
eeeeebbeleeeeeb.
eeeeebeeeeeeeeb.

tile 15 bare top, left end
...lllllllllllll
..lbeeeeeeeeeeee
.lbeeeeeeeeeeeee
.beeeeeeeeeeeeee
beeeeeeeebeeeeee
beeeeeeeeeeeeebb
.beeeeeeeeeeeeeb
.beeeeeeeeebbeee
..beeeeeeeeebeee
..beeleeebbeeeee
.beebbbeeebeeeee
.bleeeeeeeeeeeee
bbbbeeeeeeleeeee
.beeeeeeeeeeeeee
.beeeeeeeeeeeeee
.beeeeeeeeeeeeee

tile 16 bare top
llllllllllllllll
eeeeeeeebeeeeeee
eeelbeeeeeeeeeee
eeeeeeeeeeeebbee
elbeeeeeeeeeebeb
ebbbeeeeeeeeeeee
eeeeeeelbeeeeeee
eeeeeeebbbeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeelbeeee
eeelbeeeeebbbeee
eeebbbeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeleee
eeeeeeeeeeebbbee
eeeeeeeeeeeeeeee

tile 17 bare top
llllllllllllllll
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeleeeeeeee
ebeebebbbeeeeeee
eeeeeeeeeeeeeeee
eeeebbeeeeeleeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeebeeele
eeeelbeeeeeeeeee
eeeebbbeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 18 bare top
llllllllllllllll
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eleeeeeeeeeeeeee
bbbeeeeeeeeeeeee
eeeeeeeeeeeeeele
eeeeeeeeeeeeeeee
eeeeeeeeeeeebeee
eeeeeeeeeeeeeeee
eeeeeleeeeeeeeee
eeeeeeeeeebeeeee
eeeeeeeeleeeeeee
eeeeeeeeeeeeeeee
eeeeeeeelbeeeeee
eeleeeeebbbeeeee
eeeelbeeeeeeeeee

tile 19 bare top
llllllllllllllll
eeeeeeeeeeeeeelb
eeeeeeeeeeeeeeee
eeeeeeeeeebbeeee
eeeeeeeeeeeeeeee
eeeeelbeeeeelbee
eeeeebbbeeeebbbe
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeleeeeleeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeebeeeeebbeee
eeeeeeeeeeeeeeee
eeeebbeeeeeeeeee

tile 20 bare top
llllllllllllllll
eeeeeeeeeeeeeeee
bbeeeeeeeeeeebbe
ebeeeeeeebbeeebe
eeeeeebeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eebbeebbeeeeeeee
eeeeeeebeeeeeeee
eeeeeeeeeeebeeee
eeeeeeebbeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 21 bare top, right end
lllllllllllll...
eeeeeeeeeeeebl..
eeeeeeeeebbeebl.
eeeeeeeeebeeeeb.
eeeeeeeeeeeeeeeb
eeeeeeeeeeeeeeeb
eeeeeeeeeeeeeeb.
eeeeeeeeeeeeeeb.
eeebeeeeebleeb..
eeeeeeeebbbeeb..
eeeeeeeeeeeeeeb.
eeeeeeeeeeeeeeb.
eeebbeeeeeeeeeeb
beebeeeeeleeebb.
eeeeeeeebbbeeeb.
eeeeeeeeeeeeeeb.

tile 22 left side
.bebeeeeeeeeeeee
.beeeeeeeeeeeeee
..beeeeeeeeeeeee
..beelbeeeeeeeee
..beeeeeelbeeeee
...beeeeeeeeeeee
..beeeleeebeeeee
.beeeeeeeeeeeeee
.beeeeeeeeeeeeee
beeeeeeeeeeeeeee
beeeeeeelbeeeeee
.beeeeeebbbeeeee
.beeeeeeeeeebbee
..beeeeeeeeeebee
..beeelbeeeeeeee
.beeeebbbeeeeeee

tile 23 earth, light top edge
llllllllllllllll
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeebbeeee
leeeeeeeeeeeebee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeelb
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeelebbeeeeeeeee
eeeeeeeeeeeeeelb
eeeeeebeeeeeeeee
eeeeeeeeeeeeeeeb
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 24 earth
eebbeebbeeeeeeee
eeebeeebeeeeeeee
eeeeeeeeelbeeeee
eeeeeeeeebbbeeee
eeeeeeeeeeeeelee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeebbeeeeeeeeeeb
eeeeeeeeeeeeeeee
eeeeeeeeeleeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeleeelbeeeeeee
eeeeeeeeeeeeeeee

tile 25 earth
eeeeeeeeeeeeeeee
eeebbeeeeeeeeeee
eeeebeeebeeeeeee
eeeeeeeeeeeeeeee
eeeebeeeeeeeeeee
elbeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
beeeeeeeebeebeee
eeeeeeeeeeeeeeee
eeleeeeeeeeeeeee
eeeeeeeeebeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 26 earth
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeebe
eeeeeelbeeeeeeee
eleeeeeeeeeeelee
bbbeeeeeeeeebbbe
eeeeeeeeeeeeeeee
eeeeeeeeeeeeebee
eeeeeeeeeeeeeeee
elbeeeeeeeeeeeee
eeeeeeleeeeeeeee
eeelbeeeeeeeeeee
eeebbbeeeeeeeeee
eeeeeeeeeeeeeeee
leeeeeeeeeeeeeee

tile 27 earth, light top edge
llllllllllllllll
eeeebbeeeeeeebbb
eleeebeeeeeeeeee
bbbeeeeeeeeeeeee
eeeeeeeeeeebbeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeelbe
eeeeeeeeeeeeeeee
eeeeeeelbeeeeeee
eeeeeeebbbeeeeee
eeeeeeeeeeeeeebb
eeeeeeeeeeeeeeee
ebeeeeeeeeeeeeee
eeeeeeeeleeeeeee
eeeeeeeeeeeeeeee

tile 28 right side
eeeeeeeeeeeeeeb.
eeeeeeeeeeeebbb.
eeeeeeeeeeeeebb.
eeeeeeeeeeeeeeb.
lbeeelbeeeeeeb..
bbbeebbbebeeb...
eeeeeeeeeeebb...
eeeeeeeeeeeeeb..
eeeeeeeeeeeeeeb.
eebbeeeeeeeeeeeb
eeebeeeeeeeeeeeb
eeeeeeeeeeeeeeb.
eeeeeelbeeeeeeb.
eeeeeebbbeeeeb..
eeeeeeeeeeeeeb..
eeeeeeeeeeeeeeb.

tile 29 left side
.bebeeeeeeeeeeee
..beeeeeeeeeelee
..bleeeeeeeebbbe
.beeeeeeelbeeeee
.beeeeeeeeeeeeee
beeeeeeeeeeeeeee
beeeeeeebeeeeele
.beeeeeeeeeeebbb
..beeeeeeeeeeeee
...beeeleeeeeeee
...beeeeeeeeeeee
..beebbeeeeeeeee
.beeeebeeeeeeeee
.beeeeeeeeeeeeee
.beeeeelbeeeeeee
.beeeeebbbeeeeee

tile 30 earth
eeeeeeeleeeeeeee
eeeeeebbbeleeeee
eeeeeeeeeeeeeeee
eeeleeeeeeeeeeee
eebbbeeeeeeeeeee
eeeeeeeeeeeeeebe
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeebbeeee
eeeeeeeeeeeeelbe
eeeeeeeeeeeeeeee
eeeeeeeeebeelbee
eeeeeeeeeeeebbbe
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeleeee

tile 31 plain earth
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeebeeeeeee
eeeeeeeeeeeeeeee
eeeebeeeeeeeeebb
eeeeeeebbbeeeeeb
eeeeeeeeeeeeeeee
eeeeeeeeeeebeeee
eeeeeeeeeebbbeee
eeeeeeeebeeeeeee
eeeeebeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
ebbbeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeebeeeeeeee

tile 32 plain earth
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeebeeeeeebeeee
eeeeeeeeeeeeeeee
eeeebeeeeeeeeeee
eeeeeeeeeeebeeee
eeeeeeeeeebbbeee
eeeebbeeeeeeeeee
eeeeeeeeeeeeeeee
bbeeeeeeeeeeeeee
ebeeeeeeeeeeeeee
eeeeeeeeeeeeeeeb
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 33 plain earth
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeebeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eebeeeeeeeeeeeee
ebbbeeeeeeeeeeee
eeeeebeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeebb
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeebbeeeeeeee
eeeeeeebeeeeeeee
beeeeeeeeeeeeeee

tile 34 earth
eeeeeeeeeeeeeeee
eeeeebeeeeeeeeee
eeeeeeeeeeeelbee
eeeeeeeeeeeeeeee
eelbeeeeeeeeleee
eeeeeeeeeeebbbee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeeb
eeeeeeeeeeeeeeee
eelbeeeeeeeeeeee
eeeeeeeeeeeelbee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeleeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeleeeeeeee

tile 35 right side
eeeeeeeleeeeeeb.
eeeeeebbbelbeeb.
eebbeeeeeeeeeb..
eeebeeeeeeeeeb..
eeeeeeeeebeeeb..
eeeeeeeeeeeeb...
eeeeeeeeeeeeeb..
eeeeeeeeeeeeeeb.
eeeeeeeeebeeeeb.
eeeeeeeeeeeeeeeb
eeebbeeeeeeeebeb
eeeeeeeeeeeeeeb.
eeeeeeeeeeeeeeb.
eeeeeeeeeeeeeb..
eeeeeeeeeeeeeb..
eeeeeeeeeeeeeeb.

tile 36 left side
.beeeeeeeeeeeeee
.beeeeeeeeeeeeee
beeeeeeeeeeeeeee
beeeeeeeeeeeeeeb
.beeeebbeeeeeeee
..beeeebeeeeeeee
..beeeeeeeeeeeee
...beeeeeeeeeeee
..bleeeeebeleeee
..bbbeeeeeeeeeee
.beeeeeeeeleeeee
.beeeeeeebbbeeee
bebelbeeeeeeeeee
.beeeeeeeeeeeeee
.beeeeeeeeeeeeee
.beeeeeleeeeeeee

tile 37 earth
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeebeeeeeee
eeeeeeeeeeeeeeee
eleeeeeeeeeeeeee
bbbeeeebeeeeeeee
eeeeeeeeeeeeeeee
eelbeeeeeeeeeeee
eeeeeeeeelbeeeee
eeeeeebeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeelbeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeleeeeeeeeeee
eeebbbeelbeeeeee

tile 38 plain earth
eeeeeeeeeeeeeeee
eeeeebeeeeeeeeee
bbeeeeeeeeeeeeee
ebeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeebeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeebbeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeebbeeebbbee
eeeeeeebeeeeeeee
eeeeeeeeeeeeeeee

tile 39 cave wall
dddddddddddedddd
ddddddddddddeddd
dddddddddddddddd
dddddddddddddddd
dedddddddddddddd
eeeddddddddedddd
ddddddddddddeddd
ddddddeedddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
eeedddddddeddddd
dedddedddddedddd
dddddddddddddddd
dddddddeeddddddd

tile 40 cave wall
dddddddddddddddd
dddddddddddddddd
ddddddddddddddde
dddddddddddddddd
dedddddedddddeed
dddddddddddddddd
dddddddddeeedddd
ddddddddddeddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
eedddddddddddddd
dddddddddddddddd
dddddddddddddddd
ddddedddddddeddd
dddddddddddddddd

tile 41 earth
eeeeeeeeebeeleee
eeeeeeeeeeeeeeee
eeeeeeebeeelbeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
lbeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeebbeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeebe
eeeeeeeeeeeeeeee
eeeeeeeelbeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeebee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee

tile 42 right side
eeeeeeeeeeeeeeb.
eeeeeeeeeleeeeb.
eeeeeeeeeeeeeeb.
eeeeeeeeeeeebbeb
eeeebbeeeeeeeeb.
eeeeebeeeeeeeeb.
eeeeeeebbeeeeb..
eeeeeeeeeeeeeb..
beeeeeeeeeeeb...
eeeeeeeeeeeeeb..
eeeeeeeeeeeeeb..
eeeeeeeeeeeeeeb.
eeeeeebeeeeeebeb
eeeeeeeeeeeeeeeb
eeeeeeeeeeeeeeb.
eeeeeeeeebeeeeb.

tile 43 bottom-left corner
.beeeeeeebeeeeee
.beeeeeeeeeeeeee
..beeeeeeeeeeeee
..beeeeeeeeeeeee
.beeeeeeeeeeeeee
.beeebbeeeeeeeeb
..beeebeeeeeeeee
...beeeeeeelbeee
...beeeeeeeeeeee
....beeeeeeeeeee
.....beeeeeeeeee
......beeeebbeee
.......bbee..blb
.........bb.....
..........b.....
................

tile 44 earth
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeleeeeeeeeeeeee
ebbbeeeebeeeeeee
eeeeeeeeeeeeeeee
eeeeeeleeeeeeeee
eeeeebbbeeeeeeeb
eeeeeeeeebeeeeee
eeeeeeeeeeeeeeee
eeeeelbeeebeeeee
eeeeebbbeeeeleee
eeeeeeeeeeebbbee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eebeeeeeeeeeeeee

tile 45 plain earth
ebbeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeebbeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeebbb
eeeeeeeeeeeeeeee
eeeeeeeeeeebeeeb
eeeeebeeeebbbeee
eeeebbbeeeeeeeee
eeeeeeeeebeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeebee

tile 46 cave wall
dddddddddddddddd
ddddddddeddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
ddddeeeddddddddd
dddddedddddddddd
dddddddddddddddd
dddddddddddddddd
ddeddddddddddddd
dddededddddddddd
dddddddddddddded
deddddddeddddddd
ddeddddeeedddedd

tile 47 cave wall
dddddddddddddddd
dddddeeddddddddd
dddddddddddddddd
dddddddddedddddd
ddddddddeeeddddd
ddddddddddddeedd
dedddddddddddddd
dddddddddddddddd
ddddddddeddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddddd
dddddddddddddded
eddddddddddddddd
deddddddddeddddd

tile 48 earth
eeeeeeeeeeeeeeee
eelbeeeeeeebeebe
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
bbeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeelbeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeelbe
eeeebbeeeeeeebbb
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeleeebbeeeeee
eeeeeeeeebeeeeee

tile 49 bottom-right corner
eeeeeeeeeeeeeeb.
eeeeeeeebleeeeb.
eeebbeebbbeeeb..
elebeeeeeeeeeb..
eeeeeeeeeeeeeeb.
eeeeeeeeeeeeeeb.
eeeeeeeeeeeeeb..
eeeeeeeebleeb...
eeeeeeeeeeeeb...
eeeeeeeeebbb....
eeeeeeeeebb.....
eeebleeeeb......
bbb..eebb.......
.....eb.........
.....b..........
................

tile 50 sky
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss
ssssssssssssssss

tile 51 underside
eeeeeeeeeeeeeeee
eeeeeeebbeeeeeee
eeeeeeeebeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeebeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eleeeeeeelbeeeee
bbbeeeeeeeeeeeee
eeeeeeeeeeeebeee
eeeeebbeeeeebbee
bleeb..bbeeb..bb
..be.....bl.....
...e......b.....
...b............

tile 52 underside
eeeeeeeeeeeeeeee
eeeeeeeeeeeebeee
eeeeeeeeeeeeeeee
eeeeeeeeebeeeeee
eeeeleeeeeeeeeee
beeeeeleeeeeeeee
eeeeebbbeeeeeeee
eeeeeeeeeeeeeeee
eeebeeeeeeeeeele
eeeeeeeeeeeeebbb
eeeeeeeeeeeeeeee
eeeebbeeeeebeeee
bbbb..ebebb.ebbb
.bb...e.b...e...
......b.....e...
............b...

tile 53 underside
eeeeeeeeeeeeeeee
bbeeeeeeeeeeeeee
eeeeeeeeeeebbeee
eeeeeeeeeeeebeee
eeeebeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeebeeeeeeelbee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
elbeeebbeeeeeeee
ebbbeeebebeeeeee
ebbeeeeebbeeeeee
b..bbeeb..bbeebb
.....bb.....be..
.....e.......b..
.....b..........

tile 54 underside
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeeeee
eeeeeeeeeeeeleee
eeeebeeeeeebbbee
eeeeeeleeeeeeeee
eeeeebbbeeeeeeee
eeeeeeeeeeeeeebb
eeeeeeeeeeeeeeee
eeeeeeeeebeeeeee
eeebbeeeeeeeeeee
eeebbeleebbeeeee
bbe..beeb..bbebb
..e...be.....b..
..b....e........
.......b........

tile 55 roots
................
................
......l.........
......b.l....l..
......bl....b...
.....l....l.l...
....lb..e..b....
.l.l.b..le.b....
.l.b..l.be.ll.l.
.bl.b.blebb..lb.
..b..b..e.bl.b..
l.b..b.e..b..be.
.bbblb.e.b..eb.l
...bb.ebbebeb.b.
..bbbbbbbbbbbb..
.bbebbbebbbbbeb.

tile 56 roots
................
................
.........l......
........b.......
..l....lb.......
..l...l..ll.....
...b..b..b....l.
...b..eb.bl.lb..
..l.le.ll..b.l..
....be..b..b.b.l
.l.b.le.b.b.b.l.
.e.b..e..b..bb.l
.e..bb.e.b..b.b.
..b.bbeebbbbebb.
..bbbbbbbbbbbbb.
.bebbbbebbbbebb.
)art";
