<?php
// The public ranking: best scores page by page, and the newest submissions.

declare(strict_types=1);

namespace Tarvik;

require_once __DIR__ . '/../lib/config.php';
require_once __DIR__ . '/../lib/pages.php';
require_once __DIR__ . '/../lib/result_store.php';

const PAGE_SIZE = 25;
const NEWEST_COUNT = 10;

function page_number(int $pages): int
{
    $asked = $_GET['page'] ?? '1';
    $page = is_string($asked) && preg_match('/^[1-9][0-9]{0,8}$/D', $asked) ? (int) $asked : 1;
    return min($page, max($pages, 1));
}

function pager(int $page, int $pages): string
{
    if ($pages <= 1) {
        return '';
    }
    $link = fn(int $to, string $label) => '<a href="index.php?page=' . $to . '">' . $label . '</a>';
    return '<nav class="pager">'
        . ($page > 1 ? $link($page - 1, '&larr; Better') : '<span></span>')
        . "<span>Page $page of $pages</span>"
        . ($page < $pages ? $link($page + 1, 'Worse &rarr;') : '<span></span>')
        . '</nav>';
}

function ranking_page(ResultStore $store): string
{
    $total = $store->count();
    if ($total === 0) {
        return render_page('Tarvik results', '<section class="panel"><h1>Best scores</h1>'
            . '<p class="empty">No results yet. Run the standard benchmark in Tarvik and choose '
            . '&ldquo;Online Results&rdquo;.</p></section>', linked_style());
    }
    $pages = intdiv($total + PAGE_SIZE - 1, PAGE_SIZE);
    $page = page_number($pages);
    $first = ($page - 1) * PAGE_SIZE;
    $shown = sprintf('%d to %d of %d', $first + 1, min($first + PAGE_SIZE, $total), $total);

    $content = "<section class=\"panel\"><h1>Best scores</h1>\n"
        . "<p class=\"count\">Results $shown, best first. The score is the botmatch average "
        . "plus the flyby average.</p>\n"
        . results_table($store->best(PAGE_SIZE, $first)) . "\n"
        . pager($page, $pages) . "</section>\n"
        . "<section class=\"panel\"><h2>Newest submissions</h2>\n"
        . newest_table($store->newest(NEWEST_COUNT)) . '</section>';
    return render_page('Tarvik results', $content, linked_style());
}

$method = $_SERVER['REQUEST_METHOD'] ?? 'GET';
if ($method !== 'GET' && $method !== 'HEAD') {
    send_page(405, render_page('Tarvik results', '<section class="panel refused">'
        . '<h1>Method not allowed</h1><p>This page can only be read (GET).</p></section>',
        linked_style()), ['Allow: GET, HEAD']);
    exit;
}

try {
    $page = ranking_page(ResultStore::open(database_path()));
} catch (\Throwable $e) {
    error_log('tarvik index: ' . $e->getMessage());
    send_page(500, render_page('Tarvik results', '<section class="panel refused">'
        . '<h1>Results unavailable</h1><p>The results database is not available at the moment; '
        . 'please try again later.</p></section>', linked_style()));
    exit;
}
send_page(200, $page);
