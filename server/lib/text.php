<?php
// Output of the client's texts: they arrive as Windows-1252 bytes and leave as escaped UTF-8.
// Done by table rather than iconv/mbstring so that any PHP build can run it.

declare(strict_types=1);

namespace Tarvik;

/** Code points of the bytes 0x80..0x9F; null where Windows-1252 defines no character. */
const CP1252_80_TO_9F = [
    0x20AC, null, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, null, 0x017D, null,
    null, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, null, 0x017E, 0x0178,
];

function utf8_char(int $codePoint): string
{
    if ($codePoint < 0x80) {
        return chr($codePoint);
    }
    if ($codePoint < 0x800) {
        return chr(0xC0 | ($codePoint >> 6)) . chr(0x80 | ($codePoint & 0x3F));
    }
    return chr(0xE0 | ($codePoint >> 12)) . chr(0x80 | (($codePoint >> 6) & 0x3F))
        . chr(0x80 | ($codePoint & 0x3F));
}

function cp1252_to_utf8(string $text): string
{
    static $map = null;
    if ($map === null) {
        $map = [];
        for ($byte = 0x80; $byte <= 0xFF; ++$byte) {
            $codePoint = $byte < 0xA0 ? (CP1252_80_TO_9F[$byte - 0x80] ?? 0xFFFD) : $byte;
            $map[chr($byte)] = utf8_char($codePoint);
        }
    }
    return strtr($text, $map);
}

/** Escapes a text that is already UTF-8 (our own texts). */
function h(string $utf8): string
{
    return htmlspecialchars($utf8, ENT_QUOTES | ENT_SUBSTITUTE | ENT_HTML5, 'UTF-8');
}

/** Escapes a text that came from the client (Windows-1252). */
function h_client(string $cp1252): string
{
    return h(cp1252_to_utf8($cp1252));
}

/** Two decimals, cut and not rounded, as the client shows a score: 123.456789 gives 123.45. */
function two_decimals(float $value): string
{
    return substr(sprintf('%.6F', $value), 0, -4);
}
