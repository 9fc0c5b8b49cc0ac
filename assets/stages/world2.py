"""World 2 of the stage folder `standard`: four stages, each built around one idea that
world 1 did not use, growing harder towards the all clear at the end of 2-4."""
from stagekit import C, Stage


def lake(s, c0, c1, floor_rows):
    """A gap in a floor of the given rows: where the floor is the ground, a lake down to the
    bottom of the map."""
    s.fill(c0, c1, floor_rows[0], floor_rows[1], C.Empty)


def stage_2_1():
    """Lifts over lakes on three shelves: right along the bottom, up a vertical lift, left
    along the middle shelf, up again, and right along the top shelf to the goal. Wide lakes
    must be ridden across; stones, jellyfish and fish break up the rides."""
    s = Stage("2-1", "青い湖", "lake.bmp", (2, 54), 155, "2-2")
    bottom, middle, top = (55, 59), (37, 38), (19, 20)
    s.ground()
    s.fill(0, 185, middle[0], middle[1], C.UnbreakableBlock)
    s.fill(0, 199, top[0], top[1], C.UnbreakableBlock)
    s.fill(0, 9, top[0], top[1], C.Empty)
    # The bottom shelf, going right.
    s.row(51, 6, [C.Coin] * 3)
    lake(s, 13, 28, bottom)
    s.put(20, 55, C.HorizontalLift)
    s.put(33, 54, C.WalkingEnemy)
    s.row(51, 31, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock])
    lake(s, 40, 67, bottom)
    s.wall(53, 55, 59)
    s.put(46, 55, C.HorizontalLift)
    s.put(61, 55, C.HorizontalLift)
    s.row(52, 52, [C.Coin] * 3)
    s.fill(76, 79, 52, 54, C.UnbreakableBlock)
    lake(s, 80, 114, (52, 59))
    for stone in (91, 103):
        s.put(stone, 52, C.UnbreakableBlock)
        s.row(48, stone - 1, [C.Coin] * 3)
    for lift in (85, 97, 109):
        s.put(lift, 52, C.HorizontalLift)
    for jelly in (88, 106):  # bobbing between a rock above and a sunken rock
        s.put(jelly, 44, C.UnbreakableBlock)
        s.put(jelly, 59, C.UnbreakableBlock)
        s.put(jelly, 47, C.VerticalEnemy)
    s.fill(115, 118, 52, 54, C.UnbreakableBlock)
    s.put(126, 54, C.WalkingEnemy)
    s.put(130, 54, C.WalkingEnemy)
    s.row(51, 127, [C.BreakableBlock, C.ExtraLifeBlock, C.BreakableBlock])
    lake(s, 140, 160, bottom)
    s.put(143, 55, C.HorizontalLift)
    s.put(150, 54, C.HorizontalEnemy)  # a fish at the surface, between two shore rocks
    s.put(139, 54, C.UnbreakableBlock)
    s.put(161, 54, C.UnbreakableBlock)
    s.row(52, 170, [C.Coin] * 6)
    # Up to the middle shelf.
    s.put(192, 33, C.UnbreakableBlock)
    s.put(192, 45, C.VerticalLiftUp)
    # The middle shelf, going left.
    lake(s, 160, 176, middle)
    s.put(170, 37, C.HorizontalLift)
    s.put(150, 36, C.WalkingEnemy)
    lake(s, 115, 143, middle)
    s.wall(129, 37, 38)
    s.put(122, 37, C.HorizontalLift)
    s.put(136, 37, C.HorizontalLift)
    s.put(124, 30, C.VerticalEnemy)
    s.put(124, 27, C.UnbreakableBlock)
    s.put(124, 41, C.UnbreakableBlock)
    s.row(34, 128, [C.Coin] * 3)
    s.fill(106, 109, 34, 36, C.UnbreakableBlock)
    lake(s, 74, 105, (34, 38))
    for stone in (95, 84):
        s.put(stone, 34, C.UnbreakableBlock)
    for lift in (100, 89, 79):
        s.put(lift, 34, C.HorizontalLift)
    s.fill(70, 73, 34, 36, C.UnbreakableBlock)
    s.put(60, 36, C.TurningWalkingEnemy)
    s.row(33, 57, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock])
    lake(s, 28, 47, middle)
    s.put(38, 37, C.HorizontalLift)
    # Up to the top shelf.
    s.put(4, 16, C.UnbreakableBlock)
    s.put(4, 30, C.VerticalLiftUp)
    # The top shelf, going right.
    lake(s, 20, 38, top)
    s.put(26, 19, C.HorizontalLift)
    s.put(46, 18, C.WalkingEnemy)
    s.put(50, 18, C.WalkingEnemy)
    lake(s, 60, 92, top)
    s.put(64, 19, C.HorizontalLift)
    s.put(86, 19, C.HorizontalLift)
    s.put(76, 10, C.UnbreakableBlock)
    s.put(76, 24, C.UnbreakableBlock)
    s.put(76, 14, C.VerticalEnemy)
    s.row(15, 74, [C.Coin] * 5)
    lake(s, 108, 136, top)
    for lift, rock in ((114, 26), (122, 26), (130, 26)):
        s.put(lift, rock, C.UnbreakableBlock)
        s.put(lift, 11, C.UnbreakableBlock)
    s.put(114, 20, C.VerticalLiftUp)
    s.put(122, 16, C.VerticalLiftDown)
    s.put(130, 20, C.VerticalLiftUp)
    s.put(150, 18, C.HorizontalEnemy)
    s.wall(144, 17, 18)
    s.wall(158, 17, 18)
    s.row(15, 165, [C.Coin] * 5)
    s.goal(190, 13, 18)
    s.fill(198, 199, 0, 18, C.UnbreakableBlock)
    return s


def stage_2_2():
    """Two towers to climb. The first on zigzag ledges, a vertical lift and past a patrolling
    spike; over a broken roof bridge and down a lift; the second past a spike that drops
    through the climb, up a long lift and out onto the terrace of goal 1. Hidden blocks in a
    side chamber at the first tower's foot lead out through a hole in its wall to goal 2, a
    shortcut to 2-4."""
    s = Stage("2-2", "風の塔", "tower.bmp", (2, 54), 85, "2-3", "2-4")
    s.ground()
    s.put(16, 54, C.WalkingEnemy)
    s.put(22, 54, C.WalkingEnemy)
    s.row(50, 18, [C.Coin] * 4)
    s.pit(59, 102)  # between the towers the ground falls away
    # The first tower: walls with a door, the roof, and the climb up its left part (an inner
    # wall shuts off the side chamber).
    s.wall(31, 8, 52)
    s.wall(58, 8, 54)
    s.ledge(31, 58, 7)
    s.wall(50, 30, 50)
    for c0, c1, r in ((36, 41, 51), (44, 49, 47), (34, 39, 43), (42, 47, 39), (32, 36, 35)):
        s.ledge(c0, c1, r)
    s.put(45, 38, C.TurningWalkingEnemy)
    s.row(41, 35, [C.Coin] * 4)
    s.put(40, 37, C.UnbreakableBlock)  # a vertical lift up to a patrolled floor
    s.put(40, 18, C.UnbreakableBlock)
    s.put(40, 30, C.VerticalLiftUp)
    s.ledge(42, 57, 21)
    s.put(42, 20, C.UnbreakableBlock)
    s.put(54, 20, C.HorizontalSpike)
    s.ledge(52, 57, 17)
    s.row(12, 34, [C.BreakableBlock, C.ExtraLifeBlock, C.BreakableBlock])
    s.ledge(33, 37, 16)
    # The side chamber: hidden steps up to a hole in the wall, and the outer ledge to goal 2.
    s.put(54, 51, C.HiddenBlock)
    s.put(56, 48, C.HiddenBlock)
    s.fill(58, 58, 44, 46, C.Empty)
    s.ledge(58, 80, 47)
    s.put(67, 46, C.WalkingEnemy)
    s.put(73, 46, C.WalkingEnemy)
    s.goal(79, 42, 46, C.Goal2)
    # Out at the top, over the roof bridge, and down a lift to the second tower's door.
    s.fill(58, 58, 12, 14, C.Empty)
    s.ledge(58, 102, 15)
    for c0, c1 in ((67, 71), (85, 89)):
        s.fill(c0, c1, 15, 15, C.Empty)
    s.put(78, 14, C.WalkingEnemy)
    s.put(95, 14, C.WalkingEnemy)
    s.wall(92, 13, 14)
    s.put(106, 12, C.UnbreakableBlock)
    s.put(106, 30, C.VerticalLiftDown)
    s.row(50, 110, [C.Coin] * 5)
    # The second tower: a spike drops through the lower climb; a long lift, a patrolled
    # floor and a last ledge below the way out.
    s.wall(120, 6, 52)
    s.wall(150, 6, 54)
    s.ledge(120, 150, 5)
    for c0, c1, r in ((122, 127, 51), (131, 136, 47), (122, 127, 43), (131, 136, 39),
                      (122, 127, 35), (131, 137, 35)):
        s.ledge(c0, c1, r)
    s.put(129, 38, C.UnbreakableBlock)
    s.put(129, 45, C.VerticalSpikeDown)
    s.put(125, 42, C.WalkingEnemy)
    s.put(125, 34, C.WalkingEnemy)
    s.row(31, 123, [C.Coin] * 4)
    s.put(139, 37, C.UnbreakableBlock)
    s.put(139, 13, C.UnbreakableBlock)
    s.put(139, 30, C.VerticalLiftUp)
    s.ledge(140, 146, 17)
    s.put(140, 16, C.UnbreakableBlock)
    s.put(145, 16, C.HorizontalSpike)
    s.ledge(147, 149, 14)
    s.row(22, 143, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock])
    # The terrace: walkers, a bird between two parapets, and goal 1.
    s.fill(150, 150, 8, 10, C.Empty)
    s.ledge(150, 199, 11)
    s.put(160, 10, C.WalkingEnemy)
    s.put(165, 10, C.WalkingEnemy)
    s.wall(172, 9, 10)
    s.wall(182, 9, 10)
    s.put(177, 10, C.HorizontalEnemy)
    s.goal(190, 6, 10)
    s.fill(198, 199, 0, 10, C.UnbreakableBlock)
    return s

def stage_2_3():
    """A mine dug through: down brick shafts in power mode (bricks crushed under the player,
    spike beds passed unharmed), through a low gallery where walkers can only be met in power
    mode, across a spike floor, and up through brick ceilings broken by head hits."""
    s = Stage("2-3", "崩れる坑道", "mine.bmp", (2, 13), 85, "2-4")
    s.fill(0, 199, 0, 59, C.UnbreakableBlock)
    brick = C.BreakableBlock
    # The upper gallery, and the first shaft: brick floors, a spike bed, a brick floor.
    s.fill(1, 40, 9, 13, C.Empty)
    s.row(10, 8, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock])
    s.put(20, 13, C.WalkingEnemy)
    s.row(12, 26, [C.Coin] * 4)
    s.fill(36, 38, 14, 25, C.Empty)
    for r in (14, 17, 20, 25):
        s.fill(36, 38, r, r, brick)
    s.fill(36, 38, 23, 24, C.Spike)
    # The middle gallery: a low passage where walkers come on, a spike floor to jump.
    s.fill(36, 52, 26, 29, C.Empty)
    s.fill(53, 72, 29, 29, C.Empty)
    for walker in (62, 66, 70):
        s.put(walker, 29, C.WalkingEnemy)
    s.fill(73, 99, 24, 29, C.Empty)
    s.fill(78, 85, 30, 30, C.Spike)
    s.row(25, 78, [C.Coin] * 8)
    s.put(92, 29, C.TurningWalkingEnemy)
    # The second shaft, deeper, ending in two spike beds.
    s.fill(95, 97, 30, 49, C.Empty)
    for r in (30, 33, 36, 39, 42, 46):
        s.fill(95, 97, r, r, brick)
    s.fill(95, 97, 44, 45, C.Spike)
    s.fill(95, 97, 48, 49, C.Spike)
    # The lower gallery: walkers, a bird between two posts, a hidden 1UP.
    s.fill(95, 139, 50, 54, C.Empty)
    s.put(108, 54, C.WalkingEnemy)
    s.put(112, 54, C.WalkingEnemy)
    s.put(116, 51, C.HiddenExtraLifeBlock)
    s.wall(120, 53, 54)
    s.put(126, 52, C.HorizontalEnemy)
    s.wall(132, 52, 54)
    s.row(51, 136, [C.Coin] * 5)
    # Up through brick ceilings: rooms three cells high, each a step up and to the right.
    for step in range(4):
        c0, floor = 140 + 6 * step, 55 - 4 * step
        s.fill(c0, c0 + 10, floor - 3, floor - 1, C.Empty)
        s.fill(c0 + 5, c0 + 7, floor - 4, floor - 4, brick)
    s.put(166, 42, C.WalkingEnemy)
    # A gallery to the east, and up through brick ceilings again, stepping back west.
    s.fill(163, 190, 36, 38, C.Empty)
    s.put(176, 38, C.WalkingEnemy)
    s.put(180, 38, C.WalkingEnemy)
    s.row(37, 170, [C.Coin] * 4)
    for step in range(3):
        c0, floor = 176 - 6 * step, 35 - 4 * step
        s.fill(c0, c0 + 11, floor - 3, floor - 1, C.Empty)
        s.fill(c0 + 8, c0 + 10, floor - 4 + 4, floor - 4 + 4, brick)
    s.fill(166, 168, 23, 23, brick)
    # A corridor two cells high, patrolled by walkers that turn at its ends: too low to
    # jump them, so they are met in power mode.
    s.fill(120, 170, 21, 22, C.Empty)
    for walker in (138, 148, 158):
        s.put(walker, 22, C.TurningWalkingEnemy)
    s.row(21, 128, [C.Coin] * 3)
    # The last shaft, down into the chamber of goal 1.
    s.fill(121, 123, 23, 33, C.Empty)
    for r in (23, 26, 29, 33):
        s.fill(121, 123, r, r, brick)
    s.fill(121, 123, 31, 32, C.Spike)
    s.fill(110, 135, 34, 38, C.Empty)
    s.put(130, 38, C.WalkingEnemy)
    s.goal(112, 34, 38)
    return s

def stage_2_4():
    """Islands in the evening sky over a bottomless drop. Out east: a parade of walkers to
    stomp in a chain for the 1UP, jellyfish to bounce off up to a high ledge, lifts between
    stones, and the hall of the sky castle with its spikes and a diagonal enemy. Up a lift to
    the castle roof, then back west high above: floating stones, spikes falling through the
    sky, lifts, and vertical lifts to hop across to the last island and goal 1, which ends
    the game."""
    s = Stage("2-4", "夕焼けの城", "dusk.bmp", (2, 49), 110, "NONE")
    s.fill(0, 14, 50, 59, C.UnbreakableBlock)
    s.row(46, 5, [C.Coin] * 4)
    # The parade: eight walkers march along a bridge towards the player; bouncing from one
    # to the next without touching the bridge gives the 1UP of the stomp chain.
    s.fill(18, 70, 50, 51, C.UnbreakableBlock)
    for walker in range(32, 70, 5):
        s.put(walker, 49, C.WalkingEnemy)
    s.row(45, 24, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock])
    # Springboards: jellyfish bob in a gap below a ledge nine cells up; a stomp with the
    # jump key held reaches it.
    for jelly in (73, 76):
        s.put(jelly, 39, C.UnbreakableBlock)
        s.put(jelly, 56, C.UnbreakableBlock)
        s.put(jelly, 50, C.VerticalEnemy)
    s.fill(79, 100, 41, 42, C.UnbreakableBlock)
    s.put(86, 40, C.UnbreakableBlock)
    s.put(100, 40, C.UnbreakableBlock)
    s.put(92, 40, C.HorizontalSpike)
    s.row(37, 80, [C.Coin] * 5)
    # Lifts between stones over the drop.
    for stone in (114, 126):
        s.put(stone, 41, C.UnbreakableBlock)
    for lift in (106, 120, 132):
        s.put(lift, 41, C.HorizontalLift)
    s.fill(138, 146, 41, 42, C.UnbreakableBlock)
    s.put(143, 40, C.TurningWalkingEnemy)
    # The sky castle: a gate, spikes rising and falling in the hall, a diagonal enemy behind
    # a pillar, and a lift up through the roof.
    s.fill(150, 199, 41, 59, C.UnbreakableBlock)
    s.fill(150, 199, 20, 27, C.UnbreakableBlock)
    s.fill(151, 196, 28, 40, C.Empty)
    s.wall(150, 28, 37)
    for spike, start in ((158, 30), (166, 36), (174, 30)):
        s.put(spike, start, C.VerticalSpikeDown if start == 30 else C.VerticalSpikeUp)
    s.put(182, 33, C.DiagonalEnemy)
    s.fill(178, 179, 37, 40, C.UnbreakableBlock)
    s.put(186, 40, C.TurningWalkingEnemy)
    s.fill(192, 194, 20, 27, C.Empty)
    s.put(193, 14, C.UnbreakableBlock)
    s.put(193, 36, C.VerticalLiftUp)
    s.fill(198, 199, 0, 19, C.UnbreakableBlock)
    # The roof, and back west through the sky.
    s.put(175, 19, C.WalkingEnemy)
    s.put(165, 19, C.WalkingEnemy)
    s.ledge(138, 145, 18)
    s.ledge(124, 131, 16)
    s.put(134, 4, C.VerticalSpikeDown)
    s.put(128, 15, C.TurningWalkingEnemy)
    for stone in (110, 98):
        s.put(stone, 16, C.UnbreakableBlock)
    s.put(116, 16, C.HorizontalLift)
    s.put(104, 16, C.HorizontalLift)
    s.ledge(80, 97, 14)
    s.put(82, 13, C.UnbreakableBlock)
    s.put(95, 13, C.UnbreakableBlock)
    s.put(88, 13, C.HorizontalEnemy)
    s.row(10, 85, [C.Coin] * 6)
    s.put(76, 2, C.VerticalSpikeDown)
    s.ledge(62, 73, 14)
    s.put(68, 13, C.TurningWalkingEnemy)
    s.row(9, 64, [C.BreakableBlock, C.ExtraLifeBlock, C.BreakableBlock])
    for lift, start in ((56, 12), (48, 8), (40, 12)):
        s.put(lift, 4, C.UnbreakableBlock)
        s.put(lift, 20, C.UnbreakableBlock)
        s.put(lift, start, C.VerticalLiftUp if start == 12 else C.VerticalLiftDown)
    s.ledge(26, 34, 13)
    s.put(30, 12, C.WalkingEnemy)
    s.fill(4, 20, 11, 12, C.UnbreakableBlock)
    s.goal(10, 5, 10)
    return s

STAGES = [stage_2_1, stage_2_2, stage_2_3, stage_2_4]
