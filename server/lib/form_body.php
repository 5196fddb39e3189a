<?php
// Splits the client's form body into its fields.
//
// The client does not percent-encode: "+" and "%" are literal, and an "&" inside the
// processor name or the video card line splits that text. Rule: a segment without "=",
// or whose key is not one of ours, continues the free-text field before it (cpu or vid)
// and gets its "&" back. Anywhere else such a segment is an error.

declare(strict_types=1);

namespace Tarvik;

const FIELD_KEYS = [
    'ver', 'cpu', 'mhz', 'mem', 'os', 'vid', 'score', 'botmatch', 'flyby',
    'map1', 'map2', 'map3', 'map4', 'verify',
];

const FREE_TEXT_KEYS = ['cpu', 'vid'];

/**
 * @return array{fields: array<string, string>, errors: list<string>}
 *         fields by key with their raw bytes; errors name each structural fault.
 */
function parse_form_body(string $body): array
{
    $fields = [];
    $errors = [];
    $duplicates = [];
    $last = null;  // key of the last field started
    $owner = null; // free-text field that takes the segments that follow it

    foreach (explode('&', $body) as $segment) {
        $equals = strpos($segment, '=');
        $key = $equals === false ? null : substr($segment, 0, $equals);

        if ($key !== null && in_array($key, FIELD_KEYS, true)) {
            $last = $key;
            if (array_key_exists($key, $fields)) {
                $duplicates[$key] = true;
                $owner = null;
                continue;
            }
            $fields[$key] = substr($segment, $equals + 1);
            $owner = in_array($key, FREE_TEXT_KEYS, true) ? $key : null;
            continue;
        }

        if ($owner !== null) {
            $fields[$owner] .= '&' . $segment;
        } elseif ($last === null) {
            $errors[] = 'the body does not start with a field ("key=value")';
        } elseif ($key === null) {
            $errors[] = sprintf('a part without "=" follows the field "%s"', $last);
        } else {
            $errors[] = sprintf('unknown field "%s"', printable_excerpt($key));
        }
    }

    foreach (array_keys($duplicates) as $key) {
        $errors[] = sprintf('the field "%s" appears more than once', $key);
    }
    foreach (FIELD_KEYS as $key) {
        if (!array_key_exists($key, $fields)) {
            $errors[] = sprintf('the field "%s" is missing', $key);
        }
    }
    return ['fields' => $fields, 'errors' => $errors];
}

/** A short piece of untrusted text that is safe to quote in a message. */
function printable_excerpt(string $text, int $limit = 30): string
{
    $shown = preg_replace('/[\x00-\x1F\x7F]/', '?', substr($text, 0, $limit));
    return strlen($text) > $limit ? $shown . '...' : $shown;
}
