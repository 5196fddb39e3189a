<?php
// Score and check-value maths of a standard benchmark upload, done the way the
// Tarvik client does it, so either side can be checked against the other.
//
// A run is four records, newest first: records 0 and 1 are the botmatch runs,
// records 2 and 3 the flyby runs. Each record is [lo, avg, hi] frames per second.

declare(strict_types=1);

namespace Tarvik;

const LO = 0;
const AVG = 1;
const HI = 2;

/** @param array<int, array{float, float, float}> $maps */
function botmatch_of(array $maps): float
{
    return ($maps[0][AVG] + $maps[1][AVG]) * 0.5;
}

/** @param array<int, array{float, float, float}> $maps */
function flyby_of(array $maps): float
{
    return ($maps[2][AVG] + $maps[3][AVG]) * 0.5;
}

/** The score is the sum of the two mode averages, not their mean. */
function score_of(array $maps): float
{
    return botmatch_of($maps) + flyby_of($maps);
}

/**
 * The factors of the check value in the client's order: each is [value, is_divisor, name].
 * Kept as data so the product, the zero-divisor test and the rounding bound share one list.
 *
 * @return list<array{float, bool, string}>
 */
function verify_factors(float $botmatch, float $flyby, float $score, array $maps): array
{
    return [
        [$botmatch, false, '"botmatch"'],
        [$flyby, true, '"flyby"'],
        [$score, false, '"score"'],
        [$maps[1][HI], true, 'the high of "map2"'],
        [$maps[2][AVG], true, 'the average of "map3"'],
        [$maps[1][LO], false, 'the low of "map2"'],
        [$maps[0][AVG], false, 'the average of "map1"'],
        [$maps[2][HI], true, 'the high of "map3"'],
        [$maps[3][HI], false, 'the high of "map4"'],
        [$maps[2][LO], false, 'the low of "map3"'],
        [$maps[3][LO], true, 'the low of "map4"'],
        [$maps[3][AVG], true, 'the average of "map4"'],
        [$maps[1][AVG], false, 'the average of "map2"'],
        [$maps[0][HI], false, 'the high of "map1"'],
        [$maps[0][LO], true, 'the low of "map1"'],
    ];
}

/** Name of the first divisor that is zero, or null when the check value can be computed. */
function verify_zero_divisor(float $botmatch, float $flyby, float $score, array $maps): ?string
{
    foreach (verify_factors($botmatch, $flyby, $score, $maps) as [$value, $divides, $name]) {
        if ($divides && $value == 0.0) {
            return $name;
        }
    }
    return null;
}

/**
 * verify = botmatch / flyby * score / hi1 / avg2 * lo1 * avg0 / hi2 * hi3 * lo2 / lo3 / avg3
 *          * avg1 * hi0 / lo0, left to right (indices are records 0..3).
 * Call verify_zero_divisor() first: a zero divisor gives INF or NAN here (IEEE division).
 */
function verify_value(float $botmatch, float $flyby, float $score, array $maps): float
{
    // 1.0 * x is exactly x, so starting from 1 keeps the client's left-to-right order.
    $value = 1.0;
    foreach (verify_factors($botmatch, $flyby, $score, $maps) as [$factor, $divides]) {
        $value = $divides ? fdiv($value, $factor) : $value * $factor;
    }
    return $value;
}

/**
 * Relative error of the check value that the six-decimal printing of its factors can explain:
 * each factor x may be off by half a millionth, which moves the product by 0.5e-6 / |x| of itself.
 */
function verify_rounding_bound(float $botmatch, float $flyby, float $score, array $maps): float
{
    $bound = 0.0;
    foreach (verify_factors($botmatch, $flyby, $score, $maps) as [$factor]) {
        $bound += $factor == 0.0 ? 0.0 : 0.5e-6 / abs($factor);
    }
    return $bound;
}
