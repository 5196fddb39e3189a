<?php
// The HTML around the results: page frame, result tables, error pages.

declare(strict_types=1);

namespace Tarvik;

require_once __DIR__ . '/text.php';

const STYLE_FILE = __DIR__ . '/../public/style.css';

/** Link to the stylesheet, for pages that are looked at on the server. */
function linked_style(): string
{
    return '<link rel="stylesheet" href="style.css">';
}

/** The stylesheet itself, for pages the client saves to disk and opens from there. */
function inline_style(): string
{
    $css = @file_get_contents(STYLE_FILE);
    return $css === false ? '' : "<style>\n" . str_replace('</', '<\/', $css) . "</style>";
}

function render_page(string $title, string $content, string $styleHtml): string
{
    $title = h($title);
    return <<<HTML
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>$title</title>
$styleHtml
</head>
<body>
<header class="bar"><span class="brand">Tarvik</span><span class="tagline">UT2003 benchmark results</span></header>
<main>
$content
</main>
</body>
</html>

HTML;
}

/** Sends a whole page; HEAD requests get the headers only. */
function send_page(int $status, string $html, array $headers = []): void
{
    http_response_code($status);
    header('Content-Type: text/html; charset=UTF-8');
    header('Cache-Control: no-store');
    header('X-Content-Type-Options: nosniff');
    foreach ($headers as $header) {
        header($header);
    }
    if (($_SERVER['REQUEST_METHOD'] ?? 'GET') !== 'HEAD') {
        echo $html;
    }
}

function clock_text(int $mhz): string
{
    return $mhz > 0 ? "$mhz MHz" : 'unknown';
}

function received_text(string $receivedAt): string
{
    return substr($receivedAt, 0, 16) . ' UTC';
}

/**
 * A table of stored results, best first, with the whole machine description.
 * @param list<array> $rows rows of ResultStore::best()
 * @param ?int $markedId the row to highlight (the one just sent)
 */
function results_table(array $rows, ?int $markedId = null): string
{
    $head = '<th scope="col" class="num">Rank</th><th scope="col">Processor</th>'
        . '<th scope="col" class="num">Clock</th><th scope="col" class="num">Memory</th>'
        . '<th scope="col">Video card</th><th scope="col">Operating system</th>'
        . '<th scope="col" class="num">Botmatch</th><th scope="col" class="num">Flyby</th>'
        . '<th scope="col" class="num">Score</th>';
    $body = '';
    foreach ($rows as $row) {
        $marked = $markedId !== null && (int) $row['id'] === $markedId;
        $body .= ($marked ? '<tr class="yours">' : '<tr>')
            . '<td class="num">' . (int) $row['rank'] . '</td>'
            . '<td>' . h_client((string) $row['cpu']) . '</td>'
            . '<td class="num">' . h(clock_text((int) $row['mhz'])) . '</td>'
            . '<td class="num">' . (int) $row['mem'] . ' MB</td>'
            . '<td>' . h_client((string) $row['vid']) . '</td>'
            . '<td>' . h_client((string) $row['os']) . '</td>'
            . '<td class="num">' . two_decimals((float) $row['botmatch']) . '</td>'
            . '<td class="num">' . two_decimals((float) $row['flyby']) . '</td>'
            . '<td class="num score">' . two_decimals((float) $row['score']) . "</td></tr>\n";
    }
    return table($head, $body);
}

/**
 * A shorter table of the newest results: when, what machine, which score and place.
 * @param list<array> $rows rows of ResultStore::newest()
 */
function newest_table(array $rows): string
{
    $head = '<th scope="col">Received</th><th scope="col">Processor</th>'
        . '<th scope="col" class="num">Clock</th><th scope="col">Video card</th>'
        . '<th scope="col" class="num">Score</th><th scope="col" class="num">Rank</th>';
    $body = '';
    foreach ($rows as $row) {
        $body .= '<tr><td class="time">' . h(received_text((string) $row['received_at'])) . '</td>'
            . '<td>' . h_client((string) $row['cpu']) . '</td>'
            . '<td class="num">' . h(clock_text((int) $row['mhz'])) . '</td>'
            . '<td>' . h_client((string) $row['vid']) . '</td>'
            . '<td class="num score">' . two_decimals((float) $row['score']) . '</td>'
            . '<td class="num">' . (int) $row['rank'] . "</td></tr>\n";
    }
    return table($head, $body);
}

function table(string $head, string $body): string
{
    return "<div class=\"table-wrap\"><table>\n<thead><tr>$head</tr></thead>\n<tbody>\n$body</tbody></table></div>";
}

/**
 * The page for a refused request: what is wrong, in the client's words where it quotes them.
 * @param list<string> $problems
 */
function refusal_page(string $heading, array $problems, string $siteUrl): string
{
    $items = implode('', array_map(fn($p) => '<li>' . h_client(ucfirst($p)) . "</li>\n", $problems));
    $content = '<section class="panel refused"><h1>' . h($heading) . "</h1>\n"
        . "<p>The server could not accept this upload:</p>\n<ul class=\"problems\">\n$items</ul>\n"
        . '<p><a href="' . h($siteUrl . '/index.php') . '">See all results</a></p></section>';
    return render_page('Tarvik - ' . $heading, $content, inline_style());
}
