<?php
// Receives the form that Tarvik posts after a standard benchmark, stores it and answers with
// a page that the client saves and opens in the browser.

declare(strict_types=1);

namespace Tarvik;

require_once __DIR__ . '/../lib/config.php';
require_once __DIR__ . '/../lib/pages.php';
require_once __DIR__ . '/../lib/result_store.php';
require_once __DIR__ . '/../lib/submission.php';

const BODY_LIMIT = 4096;
const TOP_COUNT = 20;
const REFUSED = 'Your result was not stored';

/** The raw body: $_POST would turn "+" into a blank and decode "%" sequences. Null if too long. */
function read_body(int $limit): ?string
{
    $declared = $_SERVER['CONTENT_LENGTH'] ?? '';
    if ($declared !== '' && (!ctype_digit((string) $declared) || strlen((string) $declared) > 9
        || (int) $declared > $limit)) {
        return null;
    }
    $input = fopen('php://input', 'rb');
    $body = '';
    while (!feof($input) && strlen($body) <= $limit) {
        $chunk = fread($input, $limit + 1 - strlen($body));
        if ($chunk === false || $chunk === '') {
            break;
        }
        $body .= $chunk;
    }
    fclose($input);
    return strlen($body) > $limit ? null : $body;
}

function media_type(): string
{
    $type = (string) ($_SERVER['CONTENT_TYPE'] ?? $_SERVER['HTTP_CONTENT_TYPE'] ?? '');
    return strtolower(trim(explode(';', $type)[0]));
}

function reply_page(array $submission, int $id, ResultStore $store, string $site): string
{
    $rank = $store->rankOf($submission['score']);
    $total = $store->count();
    $machine = implode(' &middot; ', [
        h_client($submission['cpu']),
        h(clock_text($submission['mhz'])),
        $submission['mem'] . ' MB',
        h_client($submission['vid']),
        h_client($submission['os']),
    ]);
    $outside = $rank > TOP_COUNT
        ? '<p class="note">Your result is not among the best ' . TOP_COUNT . '.</p>' : '';
    $content = '<section class="panel headline">'
        . "<h1>Your Tarvik score</h1>\n"
        . '<p class="big-score">' . two_decimals($submission['score']) . "</p>\n"
        . "<p class=\"rank\">Rank <strong>$rank</strong> of $total</p>\n"
        . '<p class="modes"><span>Botmatch <strong>' . two_decimals($submission['botmatch'])
        . '</strong></span><span>Flyby <strong>' . two_decimals($submission['flyby'])
        . "</strong></span></p>\n"
        . "<p class=\"machine\">$machine</p></section>\n"
        . '<section class="panel"><h2>Top ' . TOP_COUNT . "</h2>\n"
        . results_table($store->best(TOP_COUNT), $id) . "\n$outside"
        . '<p class="more"><a href="' . h($site . '/index.php') . "\">See all results</a></p></section>";
    return render_page('Your Tarvik score', $content, inline_style());
}

$site = site_url();

if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') {
    send_page(405, refusal_page(
        'Results are sent here by Tarvik',
        ['This address only takes the form that Tarvik posts after a standard benchmark (method POST).'],
        $site
    ), ['Allow: POST']);
    exit;
}

$type = media_type();
if ($type !== '' && $type !== 'application/x-www-form-urlencoded') {
    send_page(415, refusal_page(REFUSED, [
        'the body must be sent as application/x-www-form-urlencoded',
    ], $site));
    exit;
}

$body = read_body(BODY_LIMIT);
if ($body === null) {
    send_page(413, refusal_page(REFUSED, [
        sprintf('the body is longer than %d bytes', BODY_LIMIT),
    ], $site));
    exit;
}

$checked = check_submission($body);
if ($checked['submission'] === null) {
    send_page($checked['status'], refusal_page(REFUSED, $checked['errors'], $site));
    exit;
}

try {
    $store = ResultStore::open(database_path());
    $id = $store->add(
        $checked['submission'],
        $body,
        gmdate('Y-m-d H:i:s'),
        (string) ($_SERVER['REMOTE_ADDR'] ?? '')
    );
} catch (\Throwable $e) {
    error_log('tarvik upload: ' . $e->getMessage());
    send_page(500, refusal_page(REFUSED, [
        'the results database is not available at the moment; please try again later',
    ], $site));
    exit;
}

try {
    $page = reply_page($checked['submission'], $id, $store, $site);
} catch (\Throwable $e) {
    error_log('tarvik upload reply: ' . $e->getMessage());
    $page = render_page('Your Tarvik score', '<section class="panel headline"><h1>Your Tarvik score</h1>'
        . '<p class="big-score">' . two_decimals($checked['submission']['score']) . '</p>'
        . '<p>Your result was stored; the ranking cannot be shown at the moment.</p>'
        . '<p class="more"><a href="' . h($site . '/index.php') . '">See all results</a></p></section>',
        inline_style());
}
send_page(200, $page);
