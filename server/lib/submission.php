<?php
// Turns a raw form body into a checked submission, or says what is wrong with it.

declare(strict_types=1);

namespace Tarvik;

require_once __DIR__ . '/form_body.php';
require_once __DIR__ . '/verify.php';

const TEXT_LIMIT = 100;
const MHZ_LIMIT = 100000;
const MEM_LIMIT = 4294967295; // the client prints it with "%u"
const FPS_LIMIT = 100000.0;
const MAP_KEYS = ['map1', 'map2', 'map3', 'map4'];

// Values travel with six decimals, so a recomputation differs in the last digits.
const RELATIVE_TOLERANCE = 1e-4;
const ABSOLUTE_TOLERANCE = 1e-5;

/**
 * @return array{status: int, errors: list<string>, submission: ?array}
 *         status 200 with the submission, or 400 (malformed body) / 422 (bad values) with errors.
 *         The submission keeps the text fields as raw bytes and the numbers as int/float;
 *         'maps' holds the four records as [lo, avg, hi].
 */
function check_submission(string $body): array
{
    $parsed = parse_form_body($body);
    if ($parsed['errors'] !== []) {
        return refused(400, $parsed['errors']);
    }
    $fields = $parsed['fields'];
    $errors = [];

    foreach (['ver', 'cpu', 'os', 'vid'] as $key) {
        $problem = text_problem($fields[$key], $key !== 'ver');
        if ($problem !== null) {
            $errors[] = "\"$key\" $problem";
        }
    }

    $mhz = whole_number($fields['mhz'], true, 0, MHZ_LIMIT, '"mhz"', $errors);
    $mem = whole_number($fields['mem'], false, 0, MEM_LIMIT, '"mem"', $errors);
    $score = decimal($fields['score'], 2 * FPS_LIMIT, '"score"', $errors);
    $botmatch = decimal($fields['botmatch'], FPS_LIMIT, '"botmatch"', $errors);
    $flyby = decimal($fields['flyby'], FPS_LIMIT, '"flyby"', $errors);
    $verify = decimal($fields['verify'], INF, '"verify"', $errors);

    $maps = [];
    foreach (MAP_KEYS as $key) {
        $parts = explode('|', $fields[$key]);
        if (count($parts) !== 3) {
            $errors[] = "\"$key\" is not three numbers \"low|average|high\"";
            continue;
        }
        $maps[] = [
            decimal($parts[LO], FPS_LIMIT, "the low of \"$key\"", $errors),
            decimal($parts[AVG], FPS_LIMIT, "the average of \"$key\"", $errors),
            decimal($parts[HI], FPS_LIMIT, "the high of \"$key\"", $errors),
        ];
    }
    if ($errors !== []) {
        return refused(422, $errors);
    }

    $recomputed = [
        'botmatch' => [$botmatch, botmatch_of($maps)],
        'flyby' => [$flyby, flyby_of($maps)],
        'score' => [$score, score_of($maps)],
    ];
    foreach ($recomputed as $key => [$sent, $computed]) {
        if (!agree($sent, $computed, RELATIVE_TOLERANCE)) {
            $errors[] = sprintf('"%s" does not match the map averages (they give %.6F)', $key, $computed);
        }
    }
    $zero = verify_zero_divisor($botmatch, $flyby, $score, $maps);
    if ($zero !== null) {
        $errors[] = "\"verify\" cannot be checked: $zero is zero";
    } elseif ($errors === []) {
        $computed = verify_value($botmatch, $flyby, $score, $maps);
        $slack = RELATIVE_TOLERANCE + verify_rounding_bound($botmatch, $flyby, $score, $maps);
        if (!agree($verify, $computed, $slack)) {
            $errors[] = '"verify" does not match the submitted values';
        }
    }
    if ($errors !== []) {
        return refused(422, $errors);
    }

    return [
        'status' => 200,
        'errors' => [],
        'submission' => [
            'ver' => $fields['ver'], 'cpu' => $fields['cpu'], 'mhz' => $mhz, 'mem' => $mem,
            'os' => $fields['os'], 'vid' => $fields['vid'], 'score' => $score,
            'botmatch' => $botmatch, 'flyby' => $flyby, 'maps' => $maps, 'verify' => $verify,
        ],
    ];
}

function refused(int $status, array $errors): array
{
    return ['status' => $status, 'errors' => $errors, 'submission' => null];
}

function agree(float $sent, float $computed, float $relative): bool
{
    return abs($sent - $computed) <= $relative * max(abs($sent), abs($computed)) + ABSOLUTE_TOLERANCE;
}

/** What is wrong with a free text, or null. Texts are Windows-1252 bytes. */
function text_problem(string $text, bool $required): ?string
{
    if ($required && $text === '') {
        return 'is empty';
    }
    if (strlen($text) > TEXT_LIMIT) {
        return sprintf('is longer than %d characters', TEXT_LIMIT);
    }
    if (preg_match('/[\x00-\x1F\x7F]/', $text)) {
        return 'contains control characters';
    }
    return null;
}

function whole_number(string $text, bool $signed, int $min, int $max, string $name, array &$errors): int
{
    if (!preg_match($signed ? '/^-?[0-9]+$/D' : '/^[0-9]+$/D', $text)) {
        $errors[] = sprintf('%s is not %s whole number', $name, $signed ? 'a' : 'an unsigned');
        return 0;
    }
    // Compare as text first so that a long digit string cannot overflow.
    $digits = ltrim(ltrim($text, '-'), '0');
    if (strlen($digits) > strlen((string) $max) || (int) $text < $min || (int) $text > $max) {
        $errors[] = sprintf('%s is out of range (%d to %d)', $name, $min, $max);
        return 0;
    }
    return (int) $text;
}

function decimal(string $text, float $max, string $name, array &$errors): float
{
    if (!preg_match('/^-?[0-9]+(\.[0-9]+)?$/D', $text)) {
        $errors[] = "$name is not a decimal number";
        return 0.0;
    }
    $value = (float) $text;
    if (!is_finite($value) || $value < 0.0 || $value > $max) {
        $errors[] = is_finite($max)
            ? sprintf('%s is out of range (0 to %s)', $name, $max)
            : "$name is out of range (not negative, finite)";
        return 0.0;
    }
    return $value;
}
