"""The stage folder `veteran`: four hard stages for players who have finished the standard
set, its own 1-1 to 1-4 (a game always starts at 1-1 of the chosen folder). Together they
meet every kind of moving object."""
from stagekit import C, Stage


def stage_1_1():
    """A forest of moving spikes at night, out east along the ground and back west along a
    shelf above it: spikes patrolling between bumps, spikes rising out of shallow pits,
    walkers dropping from the shelf, diagonal enemies loose in walled yards, spikes raining
    through a low roof and through gaps, and a lift ride past a flying spike."""
    s = Stage("1-1", "針の森", "night.bmp", (2, 54), 100, "1-2")
    s.ground()
    s.fill(20, 183, 38, 39, C.UnbreakableBlock)  # the shelf for the way back
    # Spikes patrol the ground between bumps.
    for wall in (8, 18, 28):
        s.wall(wall, 53, 54)
    s.put(13, 54, C.HorizontalSpike)
    s.put(24, 54, C.HorizontalSpike)
    # Shallow pits, each with a spike rising out of it up to a cap stone.
    for pit in (34, 41, 48, 55):
        s.fill(pit, pit + 2, 55, 57, C.Empty)
        s.put(pit + 1, 44, C.UnbreakableBlock)
        s.put(pit + 1, 50 + (pit % 3) * 2, C.VerticalSpikeUp)
    s.row(42, 41, [C.Coin] * 3)
    # Walkers drop from under the shelf onto a raised floor.
    s.fill(62, 72, 52, 54, C.UnbreakableBlock)
    for walker, height in ((66, 42), (70, 40)):
        s.put(walker, height, C.WalkingEnemyFalling)
    # A walled yard with a diagonal enemy loose in it.
    s.wall(76, 44, 52)
    s.wall(92, 44, 52)
    s.ledge(76, 92, 43)
    s.put(84, 47, C.DiagonalEnemy)
    s.row(45, 80, [C.Coin] * 3)
    # A low roof with holes that spikes rain through.
    s.ledge(98, 128, 50)
    for hole, start in ((104, 45), (112, 49), (120, 47)):
        s.put(hole, 50, C.Empty)
        s.put(hole, 44, C.UnbreakableBlock)
        s.put(hole, start, C.VerticalSpikeDown)
    s.put(124, 54, C.WalkingEnemy)
    # A lift over a spike pit, and a spike flying at the rider's height.
    s.pit(134, 156)
    s.fill(134, 156, 59, 59, C.Spike)
    s.put(140, 55, C.HorizontalLift)
    s.put(133, 54, C.UnbreakableBlock)
    s.put(157, 54, C.UnbreakableBlock)
    s.put(148, 54, C.HorizontalSpike)
    # Stairs guarded by walkers that turn at the edges, and a lift up to the shelf.
    for i in range(4):
        s.fill(166 + 3 * i, 168 + 3 * i, 54 - i, 54, C.UnbreakableBlock)
        s.put(167 + 3 * i, 53 - i, C.TurningWalkingEnemy)
    s.put(187, 33, C.UnbreakableBlock)
    s.put(187, 45, C.VerticalLiftUp)
    s.fill(198, 199, 0, 54, C.UnbreakableBlock)
    # The shelf, going west: gaps with rising spikes, a patrol, a second yard, rain.
    s.row(34, 172, [C.Coin] * 4)
    for gap in (165, 155):
        s.fill(gap, gap + 3, 38, 39, C.Empty)
        s.fill(gap + 1, gap + 2, 28, 28, C.UnbreakableBlock)
        s.fill(gap + 1, gap + 2, 44, 44, C.UnbreakableBlock)
        s.put(gap + 1, 36, C.VerticalSpikeUp)
        s.put(gap + 2, 31, C.VerticalSpikeUp)
    for wall in (130, 142):
        s.wall(wall, 36, 37)
    s.put(136, 37, C.HorizontalSpike)
    s.put(139, 37, C.HorizontalSpike)
    s.wall(100, 28, 35)
    s.wall(118, 28, 35)
    s.ledge(100, 118, 27)
    s.put(109, 31, C.DiagonalEnemy)
    for drop, start in ((88, 20), (80, 30), (72, 25), (64, 33)):
        s.put(drop, 17, C.UnbreakableBlock)
        s.put(drop, start, C.VerticalSpikeDown)
    s.put(56, 37, C.TurningWalkingEnemy)
    s.put(50, 37, C.TurningWalkingEnemy)
    s.row(33, 40, [C.BreakableBlock, C.ExtraLifeBlock, C.BreakableBlock])
    s.goal(24, 31, 37)
    return s

def stage_1_2():
    """Lift shafts in a cave: up the first shaft changing from one lift to another past
    spikes that sweep across it, along a gallery of lifts over spikes where walkers drop
    from the roof, down the second shaft on a lift between patrolling spikes, past
    jellyfish, and up the last shaft among rising and falling spikes to goal 1."""
    s = Stage("1-2", "昇降機の縦穴", "cave.bmp", (2, 54), 100, "1-3")
    s.fill(0, 199, 0, 59, C.UnbreakableBlock)
    # The start, and the first shaft: two lifts one above the other.
    s.fill(1, 20, 51, 54, C.Empty)
    s.put(12, 54, C.WalkingEnemy)
    s.fill(21, 33, 6, 54, C.Empty)
    s.put(24, 55, C.UnbreakableBlock)
    s.put(24, 30, C.UnbreakableBlock)
    s.put(24, 40, C.VerticalLiftDown)
    s.put(30, 34, C.UnbreakableBlock)
    s.put(30, 17, C.VerticalLiftUp)
    s.ledge(21, 22, 42)
    s.ledge(32, 33, 32)
    s.ledge(21, 23, 18)
    for row, spike in ((38, 27), (24, 25), (13, 29)):
        s.put(spike, row, C.HorizontalSpike)
    s.row(28, 26, [C.Coin] * 3)
    # The top gallery: lifts over spikes, walkers dropping from holes in its roof.
    s.fill(34, 70, 6, 9, C.Empty)
    s.fill(40, 64, 10, 12, C.Empty)
    s.fill(40, 64, 12, 12, C.Spike)
    s.put(46, 10, C.HorizontalLift)
    s.put(58, 10, C.HorizontalLift)
    s.put(52, 10, C.UnbreakableBlock)
    for hole in (44, 55, 62):
        s.fill(hole, hole, 2, 5, C.Empty)
        s.put(hole, 3, C.WalkingEnemyFalling)
    # The second shaft, down on a lift between spikes patrolling the ledges.
    s.fill(71, 83, 6, 54, C.Empty)
    s.fill(71, 83, 54, 54, C.Spike)
    s.put(77, 51, C.UnbreakableBlock)
    s.put(77, 10, C.VerticalLiftDown)
    for row, side in ((20, 72), (30, 80), (40, 72)):
        s.ledge(side, side + 2, row)
        s.put(side + 1, row - 1, C.HorizontalSpike)
    # A gallery of jellyfish over gaps.
    s.fill(84, 120, 46, 49, C.Empty)
    for gap in (90, 100, 110):
        s.fill(gap, gap + 3, 50, 53, C.Empty)
        s.fill(gap, gap + 3, 53, 53, C.Spike)
        s.put(gap + 1, 48, C.VerticalEnemy)
    s.put(105, 49, C.WalkingEnemy)
    # The last shaft: a lift, ledges, spikes rising and falling beside the climb.
    s.fill(121, 135, 8, 49, C.Empty)
    s.put(128, 50, C.UnbreakableBlock)
    s.put(128, 20, C.UnbreakableBlock)
    s.put(128, 47, C.VerticalLiftDown)
    for c0, c1, r in ((121, 124, 38), (132, 135, 30), (121, 124, 18), (131, 135, 14)):
        s.ledge(c0, c1, r)
    s.put(125, 30, C.VerticalSpikeUp)
    s.put(131, 20, C.VerticalSpikeDown)
    s.row(26, 122, [C.Coin] * 3)
    # The way out: lifts over a spike pit, and goal 1.
    s.fill(136, 196, 8, 11, C.Empty)
    s.fill(146, 170, 12, 14, C.Empty)
    s.fill(146, 170, 14, 14, C.Spike)
    s.put(152, 12, C.HorizontalLift)
    s.put(164, 12, C.HorizontalLift)
    s.put(158, 12, C.UnbreakableBlock)
    s.put(178, 11, C.TurningWalkingEnemy)
    s.goal(190, 8, 11)
    return s

def stage_1_3():
    """Gaps in the sky too wide to jump, crossed by stomping what flies over them: birds to
    bounce from, jellyfish to spring off, a rising flock to climb on. Walkers drop from the
    sky onto the islands, and a wall too high to jump is passed beneath, crushing through
    bricks in power mode and breaking back up by head hits."""
    s = Stage("1-3", "連鎖の谷", "sky.bmp", (2, 49), 110, "1-4")

    def island(c0, c1, top):
        s.fill(c0, c1, top, min(top + 9, 59), C.UnbreakableBlock)

    island(0, 10, 50)
    # Birds over the first gap, between a bump on each shore.
    s.put(10, 49, C.UnbreakableBlock)
    for bird in (15, 19, 23):
        s.put(bird, 49, C.HorizontalEnemy)
    island(27, 40, 50)
    s.put(27, 49, C.UnbreakableBlock)
    for walker, height in ((32, 30), (37, 22)):
        s.put(walker, height, C.TurningWalkingEnemy)
    s.row(46, 31, [C.Coin] * 5)
    # Jellyfish over the second gap.
    for jelly in (46, 54):
        s.put(jelly, 40, C.UnbreakableBlock)
        s.put(jelly, 58, C.UnbreakableBlock)
        s.put(jelly, 50 if jelly == 46 else 44, C.VerticalEnemy)
    # An island with a wall too high to jump: under it through bricks, and up again.
    island(61, 78, 50)
    s.wall(70, 41, 49)
    s.fill(64, 66, 50, 51, C.BreakableBlock)
    s.fill(64, 76, 52, 53, C.Empty)
    s.fill(73, 75, 50, 51, C.BreakableBlock)
    s.put(68, 53, C.WalkingEnemy)
    # Lifts over the third gap, birds crossing above them.
    for stone in (86, 94):
        s.put(stone, 50, C.UnbreakableBlock)
        s.put(stone, 46, C.UnbreakableBlock)
    for lift in (82, 90, 98):
        s.put(lift, 50, C.HorizontalLift)
    s.put(90, 46, C.HorizontalEnemy)
    s.put(82, 46, C.HorizontalEnemy)
    s.put(79, 46, C.UnbreakableBlock)
    s.put(102, 46, C.UnbreakableBlock)
    island(103, 116, 50)
    s.put(108, 49, C.WalkingEnemy)
    s.put(112, 30, C.WalkingEnemyFalling)
    # A flock rising over the fourth gap up to a high island.
    for bird, row in ((121, 48), (127, 44), (133, 40)):
        s.put(117, row, C.UnbreakableBlock)
        s.put(139, row, C.UnbreakableBlock)
        s.put(bird, row, C.HorizontalEnemy)
    island(140, 158, 38)
    s.put(150, 37, C.TurningWalkingEnemy)
    s.row(34, 146, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock])
    # Steps down to the last island, and a lift up to the way back west, high above.
    island(162, 166, 43)
    island(169, 173, 47)
    island(176, 199, 50)
    s.put(184, 49, C.WalkingEnemy)
    s.put(197, 24, C.UnbreakableBlock)
    s.put(197, 40, C.VerticalLiftUp)
    for c0, c1 in ((160, 195), (103, 116), (61, 78), (27, 40)):
        s.fill(c0, c1, 27, 28, C.UnbreakableBlock)
    s.put(170, 26, C.WalkingEnemy)
    s.put(178, 15, C.TurningWalkingEnemy)
    # Back west: jellyfish over the fourth gap, birds over the third, lifts under birds over
    # the second, a last bridge of birds to goal 1.
    for jelly, start in ((124, 30), (132, 22)):
        s.put(jelly, 14, C.UnbreakableBlock)
        s.put(jelly, 40, C.UnbreakableBlock)
        s.put(jelly, start, C.VerticalEnemy)
    s.fill(140, 159, 27, 28, C.UnbreakableBlock)
    s.put(79, 26, C.UnbreakableBlock)
    s.put(102, 26, C.UnbreakableBlock)
    for bird in (85, 91, 97):
        s.put(bird, 26, C.HorizontalEnemy)
    s.put(108, 12, C.TurningWalkingEnemy)
    s.row(23, 106, [C.BreakableBlock, C.ExtraLifeBlock, C.BreakableBlock])
    for stone in (47, 54):
        s.put(stone, 27, C.UnbreakableBlock)
    for lift in (44, 51, 57):
        s.put(lift, 27, C.HorizontalLift)
    s.put(41, 23, C.UnbreakableBlock)
    s.put(60, 23, C.UnbreakableBlock)
    s.put(50, 23, C.HorizontalEnemy)
    s.put(68, 26, C.WalkingEnemy)
    s.put(11, 26, C.UnbreakableBlock)
    s.put(26, 26, C.UnbreakableBlock)
    for bird in (15, 21):
        s.put(bird, 26, C.HorizontalEnemy)
    s.fill(0, 10, 27, 28, C.UnbreakableBlock)
    s.goal(4, 21, 26)
    return s

def stage_1_4():
    """The last trial, a castle of three floors: east along the lowest past patrolling
    spikes, a spike trench and a hall with a diagonal enemy among rising spikes; up a lift
    and west along the middle past lifts over spikes, jellyfish in gaps and a bird corridor;
    up a shaft of ledges and a falling lift, and east along the top through brick floors
    over spike beds and a last hall of two diagonal enemies to goal 1, which ends the game.
    """
    s = Stage("1-4", "最後の試練", "castle.bmp", (2, 54), 155, "NONE")
    s.fill(0, 199, 0, 59, C.UnbreakableBlock)
    # The lowest floor, going east.
    s.fill(1, 196, 46, 54, C.Empty)
    for wall in (10, 20, 30):
        s.wall(wall, 53, 54)
    s.put(15, 54, C.HorizontalSpike)
    s.put(25, 54, C.HorizontalSpike)
    s.fill(36, 45, 55, 56, C.Empty)
    s.fill(36, 45, 56, 56, C.Spike)
    s.row(50, 38, [C.Coin] * 6)
    s.put(52, 54, C.WalkingEnemy)
    s.put(56, 54, C.WalkingEnemy)
    s.wall(62, 46, 51)
    s.wall(92, 46, 51)
    s.put(77, 49, C.DiagonalEnemy)
    for spike, start in ((68, 50), (74, 48), (80, 52), (86, 47)):
        s.put(spike, start, C.VerticalSpikeUp)
    s.put(99, 54, C.TurningWalkingEnemy)
    s.fill(104, 108, 52, 54, C.UnbreakableBlock)
    s.put(106, 51, C.TurningWalkingEnemy)
    s.row(50, 115, [C.HiddenBlock, C.Empty, C.HiddenExtraLifeBlock])
    s.put(126, 54, C.HorizontalEnemy)
    s.wall(120, 53, 54)
    s.wall(132, 53, 54)
    s.fill(140, 160, 55, 57, C.Empty)
    s.fill(140, 160, 57, 57, C.Spike)
    s.put(146, 55, C.HorizontalLift)
    s.put(154, 55, C.HorizontalLift)
    s.put(150, 55, C.UnbreakableBlock)
    s.put(175, 54, C.WalkingEnemy)
    # A lift up a shaft to the middle floor, which goes west.
    s.fill(1, 196, 28, 36, C.Empty)
    s.fill(190, 194, 37, 45, C.Empty)
    s.put(192, 33, C.UnbreakableBlock)
    s.put(192, 44, C.VerticalLiftUp)
    s.put(180, 36, C.WalkingEnemy)
    s.fill(150, 172, 37, 39, C.Empty)
    s.fill(150, 172, 39, 39, C.Spike)
    for stone in (157, 165):
        s.put(stone, 37, C.UnbreakableBlock)
    for lift in (153, 161, 169):
        s.put(lift, 37, C.HorizontalLift)
    for gap in (130, 118):
        s.fill(gap, gap + 3, 37, 39, C.Empty)
        s.fill(gap, gap + 3, 39, 39, C.Spike)
        s.put(gap + 1, 30, C.VerticalEnemy)
        s.put(gap + 2, 33, C.VerticalEnemy)
    s.fill(60, 110, 28, 32, C.UnbreakableBlock)
    s.wall(60, 35, 36)
    s.wall(110, 35, 36)
    for bird in (70, 80, 90, 100):
        s.put(bird, 36, C.HorizontalEnemy)
    s.row(34, 83, [C.Coin] * 4)
    s.put(45, 36, C.TurningWalkingEnemy)
    s.put(38, 29, C.WalkingEnemyFalling)
    # Up a shaft of ledges and a lift at the west end.
    s.fill(1, 12, 8, 27, C.Empty)
    for c0, c1, r in ((8, 12, 33), (1, 4, 29), (8, 12, 25)):
        s.ledge(c0, c1, r)
    s.put(3, 23, C.UnbreakableBlock)
    s.put(3, 12, C.VerticalLiftDown)
    s.ledge(7, 12, 17)
    # The top floor, going east: brick floors over spike beds, then the last hall.
    s.fill(13, 196, 8, 16, C.Empty)
    s.put(20, 16, C.WalkingEnemy)
    # Each wall bars the whole floor: crush down through bricks and a spike bed into a
    # tunnel under it, and break back up through bricks by head hits.
    for c0 in (30, 50, 70):
        s.wall(c0 + 6, 8, 16)
        s.fill(c0, c0 + 9, 19, 20, C.Empty)
        s.fill(c0, c0 + 2, 17, 17, C.BreakableBlock)
        s.fill(c0, c0 + 2, 18, 18, C.Spike)
        s.fill(c0 + 8, c0 + 9, 17, 18, C.BreakableBlock)
    s.put(45, 16, C.TurningWalkingEnemy)
    s.put(65, 16, C.TurningWalkingEnemy)
    s.row(12, 96, [C.BreakableBlock, C.ExtraLifeBlock, C.BreakableBlock])
    s.wall(120, 8, 12)
    s.wall(160, 14, 16)
    for diagonal in (132, 148):
        s.put(diagonal, 11, C.DiagonalEnemy)
    for spike, start in ((126, 9), (140, 14), (154, 9)):
        s.put(spike, start, C.VerticalSpikeDown)
    s.put(176, 16, C.TurningWalkingEnemy)
    s.goal(190, 9, 16)
    return s

STAGES = [stage_1_1, stage_1_2, stage_1_3, stage_1_4]
