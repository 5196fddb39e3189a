<?php
// Builds form bodies the way the Tarvik client does, for the tests and the demo data.

declare(strict_types=1);

require_once __DIR__ . '/../lib/verify.php';

/** A standard run that looks like a real one: records 0,1 botmatch, 2,3 flyby, [lo, avg, hi]. */
function sample_maps(float $scale = 1.0): array
{
    $maps = [
        [31.254, 58.7345127, 97.5],
        [28.125, 61.9023441, 104.1666667],
        [42.8571429, 112.4082761, 181.8181818],
        [45.4545455, 124.5513903, 200.0],
    ];
    return array_map(fn($r) => array_map(fn($v) => $v * $scale, $r), $maps);
}

function sample_texts(array $override = []): array
{
    return $override + [
        'ver' => '2225', 'cpu' => 'AMD Athlon(tm) XP 2400+', 'mhz' => '2000', 'mem' => '512',
        'os' => 'Windows XP', 'vid' => 'NVIDIA GeForce4 Ti 4600',
    ];
}

/**
 * The fields in the client's order, numbers printed with six decimals from unrounded values.
 * $botmatchShift fakes a tampered botmatch that is still carried consistently into score and verify.
 */
function client_fields(array $texts, array $maps, float $botmatchShift = 0.0): array
{
    $botmatch = Tarvik\botmatch_of($maps) + $botmatchShift;
    $flyby = Tarvik\flyby_of($maps);
    $score = $botmatch + $flyby;
    $f = fn(float $v) => sprintf('%.6F', $v);
    $fields = [
        'ver' => $texts['ver'], 'cpu' => $texts['cpu'], 'mhz' => $texts['mhz'], 'mem' => $texts['mem'],
        'os' => $texts['os'], 'vid' => $texts['vid'],
        'score' => $f($score), 'botmatch' => $f($botmatch), 'flyby' => $f($flyby),
    ];
    foreach ($maps as $i => $r) {
        $fields['map' . ($i + 1)] = implode('|', array_map($f, $r));
    }
    $fields['verify'] = $f(Tarvik\verify_value($botmatch, $flyby, $score, $maps));
    return $fields;
}

function body_of(array $fields): string
{
    $parts = [];
    foreach ($fields as $key => $value) {
        $parts[] = "$key=$value";
    }
    return implode('&', $parts);
}
