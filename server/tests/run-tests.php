<?php
// Tests of the results server: the body parser, the score maths and the text output in-process,
// then upload.php and index.php through a real `php -S` with a throw-away database.
//
//   php server/tests/run-tests.php [-v]
//
// Ends with "server: N passed, M failed" and exits non-zero on any failure.

declare(strict_types=1);

require_once __DIR__ . '/../lib/form_body.php';
require_once __DIR__ . '/../lib/submission.php';
require_once __DIR__ . '/../lib/text.php';
require_once __DIR__ . '/../lib/verify.php';
require_once __DIR__ . '/client_body.php';

const TIME_LIMIT_SECONDS = 120;
const PUBLIC_DIR = __DIR__ . '/../public';

final class Tally
{
    public int $passed = 0;
    public int $failed = 0;
    public bool $verbose = false;

    public function check(bool $ok, string $name, string $detail = ''): bool
    {
        if ($ok) {
            ++$this->passed;
            if ($this->verbose) {
                echo "ok   $name\n";
            }
        } else {
            ++$this->failed;
            echo "FAIL $name" . ($detail === '' ? '' : "\n     $detail") . "\n";
        }
        return $ok;
    }

    public function equal($expected, $actual, string $name): bool
    {
        return $this->check($expected === $actual, $name,
            'expected ' . var_export($expected, true) . ', got ' . var_export($actual, true));
    }

    public function summary(): string
    {
        return "server: {$this->passed} passed, {$this->failed} failed\n";
    }
}

// A run with values checked by hand (and by an independent calculation): score 178.798261,
// shown as 178.79 because the client cuts instead of rounding.
const KNOWN_BODY = 'ver=2225&cpu=AMD Athlon(tm) XP 2400+&mhz=2000&mem=512&os=Windows XP'
    . '&vid=NVIDIA GeForce4 Ti 4600&score=178.798261&botmatch=60.318428&flyby=118.479833'
    . '&map1=31.250000|58.734512|97.500000&map2=28.125000|61.902344|104.166667'
    . '&map3=42.857143|112.408276|181.818182&map4=45.454545|124.551390|200.000000'
    . '&verify=20.652822';
const KNOWN_MAPS = [
    [31.25, 58.734512, 97.5], [28.125, 61.902344, 104.166667],
    [42.857143, 112.408276, 181.818182], [45.454545, 124.551390, 200.0],
];
const KNOWN_VERIFY = 20.652822279147653;

// ---------------------------------------------------------------------------------------------
// In-process tests.

function test_parser(Tally $t): void
{
    $base = body_of(client_fields(sample_texts(), sample_maps()));
    $with = fn(array $texts) => body_of(client_fields(sample_texts($texts), sample_maps()));

    // [name, body, expected fields (subset), expected error fragment or null]
    $cases = [
        ['plus and blanks stay literal', $base, ['cpu' => 'AMD Athlon(tm) XP 2400+'], null],
        ['"&" in the processor name is put back', $with(['cpu' => 'Intel R&D Sample & Co']),
            ['cpu' => 'Intel R&D Sample & Co', 'mhz' => '2000'], null],
        ['"&" then unknown key=value in the video line', $with(['vid' => 'Radeon & co=op']),
            ['vid' => 'Radeon & co=op'], null],
        ['"=" inside a value splits on the first one only', $with(['vid' => 'a=b==c']),
            ['vid' => 'a=b==c'], null],
        ['percent sequences are not decoded', $with(['cpu' => 'Chip %41%2B 100%']),
            ['cpu' => 'Chip %41%2B 100%'], null],
        ['empty version', $with(['ver' => '']), ['ver' => ''], null],
        ['a known key after "&" in free text starts a field', $with(['cpu' => 'Odd &mhz=1']), [],
            'the field "mhz" appears more than once'],
        ['text before the first field', 'hello&' . $base, [], 'does not start with a field'],
        ['unknown field after a number', $base . '&debug=1', [], 'unknown field "debug"'],
        ['part without "=" after a number', str_replace('&mem=512', '&mem=512&junk', $base), [],
            'a part without "=" follows the field "mem"'],
        ['missing field', str_replace('&os=Windows XP', '', $base), [], 'the field "os" is missing'],
        ['duplicate field', $base . '&mhz=1', [], 'the field "mhz" appears more than once'],
        ['empty body', '', [], 'the field "ver" is missing'],
    ];
    foreach ($cases as [$name, $body, $expected, $error]) {
        $parsed = Tarvik\parse_form_body($body);
        if ($error === null) {
            $t->check($parsed['errors'] === [], "parse: $name: no errors", implode('; ', $parsed['errors']));
            foreach ($expected as $key => $value) {
                $t->equal($value, $parsed['fields'][$key] ?? null, "parse: $name: $key");
            }
        } else {
            $all = implode('; ', $parsed['errors']);
            $t->check(str_contains($all, $error), "parse: $name", "errors: $all");
        }
    }
}

function test_maths(Tally $t): void
{
    $m = KNOWN_MAPS;
    $b = Tarvik\botmatch_of($m);
    $f = Tarvik\flyby_of($m);
    $t->check(abs($b - 60.318428) < 1e-9, 'maths: botmatch of records 0 and 1', (string) $b);
    $t->check(abs($f - 118.479833) < 1e-9, 'maths: flyby of records 2 and 3', (string) $f);
    $t->check(abs(Tarvik\score_of($m) - 178.798261) < 1e-9, 'maths: score is the sum');
    $v = Tarvik\verify_value($b, $f, $b + $f, $m);
    $t->check(abs($v - KNOWN_VERIFY) < 1e-12 * KNOWN_VERIFY, 'maths: verify of the known run', (string) $v);

    // Every map value enters the check value: nudging any one of them must move it.
    for ($i = 0; $i < 4; ++$i) {
        for ($j = 0; $j < 3; ++$j) {
            $nudged = $m;
            $nudged[$i][$j] *= 1.01;
            $moved = Tarvik\verify_value($b, $f, $b + $f, $nudged);
            $t->check(abs($moved - $v) > 1e-3 * $v, "maths: verify depends on map" . ($i + 1) . "[$j]");
        }
    }

    $zero = $m;
    $zero[3][Tarvik\LO] = 0.0;
    $t->equal('the low of "map4"', Tarvik\verify_zero_divisor($b, $f, $b + $f, $zero),
        'maths: zero divisor is named');
    $zero = $m;
    $zero[1][Tarvik\LO] = 0.0; // a factor, not a divisor
    $t->equal(null, Tarvik\verify_zero_divisor($b, $f, $b + $f, $zero), 'maths: zero factor is fine');
}

function test_rounding_is_tolerated(Tally $t): void
{
    // Real clients print unrounded values with six decimals; none of them may be refused.
    mt_srand(20030);
    $refused = [];
    for ($run = 0; $run < 300; ++$run) {
        $maps = [];
        for ($i = 0; $i < 4; ++$i) {
            $lo = 0.05 + mt_rand() / mt_getrandmax() * 60;
            $avg = $lo + mt_rand() / mt_getrandmax() * 200;
            $maps[] = [$lo, $avg, $avg + mt_rand() / mt_getrandmax() * 300];
        }
        $checked = Tarvik\check_submission(body_of(client_fields(sample_texts(), $maps)));
        if ($checked['status'] !== 200) {
            $refused[] = implode('; ', $checked['errors']);
        }
    }
    $t->check($refused === [], 'rounding: 300 random client runs accepted', implode(' | ', array_slice($refused, 0, 3)));

    $tampered = client_fields(sample_texts(), sample_maps());
    $tampered['verify'] = sprintf('%.6F', (float) $tampered['verify'] * 1.001);
    $t->equal(422, Tarvik\check_submission(body_of($tampered))['status'], 'rounding: verify off by 0.1% is refused');
}

function test_text_output(Tally $t): void
{
    $cases = [
        ["Athlon\x99 (0.18 \xB5m)", "Athlon\u{2122} (0.18 \u{B5}m)"],
        ["\x80\x8A\x9F\xA0\xFF", "\u{20AC}\u{160}\u{178}\u{A0}\u{FF}"],
        ["undefined \x81\x8D\x8F\x90\x9D", "undefined \u{FFFD}\u{FFFD}\u{FFFD}\u{FFFD}\u{FFFD}"],
        ['plain ASCII <&>', 'plain ASCII <&>'],
    ];
    foreach ($cases as [$in, $out]) {
        $t->equal($out, Tarvik\cp1252_to_utf8($in), 'cp1252: ' . bin2hex($in));
    }
    $t->equal('&lt;b title=&quot;x&quot;&gt;&apos;&amp;', Tarvik\h_client('<b title="x">\'&'), 'escape: quotes too');

    foreach ([[123.456789, '123.45'], [100.009999, '100.00'], [178.798261, '178.79'], [0.0, '0.00'],
              [99.999999, '99.99']] as [$value, $text]) {
        $t->equal($text, Tarvik\two_decimals($value), "two decimals cut: $value");
    }
}

function test_check_tool(Tally $t): void
{
    $tool = escapeshellarg(__DIR__ . '/../bin/check-body.php');
    foreach ([[KNOWN_BODY, 0, 'recomputed verify   20.652822'], ['ver=&cpu=x', 1, 'the field "mhz" is missing']]
             as [$body, $status, $line]) {
        exec(escapeshellarg(PHP_BINARY) . " $tool " . escapeshellarg($body), $output, $exit);
        $t->equal($status, $exit, "check tool: exit status $status");
        $t->check(str_contains(implode("\n", $output), $line), "check tool: prints $line", implode("\n", $output));
        $output = [];
    }
}

// ---------------------------------------------------------------------------------------------
// The server process.

final class Server
{
    /** @var resource|null */
    private $process = null;
    public int $port = 0;

    public function __construct(public string $folder, public string $database)
    {
    }

    public function start(): bool
    {
        $environment = getenv();
        $environment['TARVIK_RESULTS_DB'] = $this->database;
        unset($environment['TARVIK_PUBLIC_URL']);
        for ($attempt = 0; $attempt < 3; ++$attempt) {
            $this->port = free_port();
            $log = ['file', $this->folder . '/server.log', 'a'];
            $this->process = proc_open(
                [PHP_BINARY, '-S', "127.0.0.1:{$this->port}", '-t', PUBLIC_DIR],
                [0 => ['file', '/dev/null', 'r'], 1 => $log, 2 => $log],
                $pipes,
                null,
                $environment
            );
            if (!is_resource($this->process)) {
                continue;
            }
            $deadline = microtime(true) + 10;
            while (microtime(true) < $deadline && proc_get_status($this->process)['running']) {
                $probe = @stream_socket_client("tcp://127.0.0.1:{$this->port}", $errno, $error, 1);
                if ($probe !== false) {
                    fclose($probe);
                    return true;
                }
                usleep(50000);
            }
            $this->stop();
        }
        return false;
    }

    public function stop(): void
    {
        if (is_resource($this->process)) {
            proc_terminate($this->process);
            proc_close($this->process);
        }
        $this->process = null;
    }

    public function log(): string
    {
        return (string) @file_get_contents($this->folder . '/server.log');
    }
}

function free_port(): int
{
    $socket = stream_socket_server('tcp://127.0.0.1:0');
    $name = stream_socket_get_name($socket, false);
    fclose($socket);
    return (int) substr($name, strrpos($name, ':') + 1);
}

/** @return array{status: int, headers: array<string, string>, body: string} */
function http(int $port, string $method, string $path, ?string $body = null, array $headers = []): array
{
    $socket = @stream_socket_client("tcp://127.0.0.1:$port", $errno, $error, 5);
    if ($socket === false) {
        return ['status' => 0, 'headers' => [], 'body' => "connect failed: $error"];
    }
    stream_set_timeout($socket, 15);
    $request = "$method $path HTTP/1.1\r\nHost: 127.0.0.1:$port\r\nConnection: close\r\n";
    if ($body !== null) {
        $headers += ['Content-Type' => 'application/x-www-form-urlencoded'];
        $headers['Content-Length'] = (string) strlen($body);
    }
    foreach ($headers as $name => $value) {
        $request .= "$name: $value\r\n";
    }
    fwrite($socket, $request . "\r\n" . ($body ?? ''));
    $response = stream_get_contents($socket);
    fclose($socket);

    [$head, $content] = array_pad(explode("\r\n\r\n", (string) $response, 2), 2, '');
    $lines = explode("\r\n", $head);
    $status = preg_match('#^HTTP/\d\.\d (\d{3})#', $lines[0], $m) ? (int) $m[1] : 0;
    $parsed = [];
    foreach (array_slice($lines, 1) as $line) {
        [$name, $value] = array_pad(explode(':', $line, 2), 2, '');
        $parsed[strtolower(trim($name))] = trim($value);
    }
    return ['status' => $status, 'headers' => $parsed, 'body' => $content];
}

function post(Server $server, string $body, array $headers = []): array
{
    return http($server->port, 'POST', '/upload.php', $body, $headers);
}

function database(Server $server): PDO
{
    $db = new PDO('sqlite:' . $server->database);
    $db->setAttribute(PDO::ATTR_ERRMODE, PDO::ERRMODE_EXCEPTION);
    return $db;
}

function stored_count(Server $server): int
{
    if (!file_exists($server->database)) {
        return 0;
    }
    return (int) database($server)->query('SELECT COUNT(*) FROM results')->fetchColumn();
}

function newest_row(Server $server): array
{
    return database($server)->query('SELECT * FROM results ORDER BY id DESC LIMIT 1')
        ->fetch(PDO::FETCH_ASSOC) ?: [];
}

/** Where a text sits in a page, or -1. */
function position(string $page, string $text): int
{
    $at = strpos($page, $text);
    return $at === false ? -1 : $at;
}

// ---------------------------------------------------------------------------------------------
// Tests through HTTP. The ranking test runs first, on the empty database.

function test_ranking(Tally $t, Server $s): void
{
    // Scores about 150, 200 and 175 arrive in this order.
    $runs = [[0.8389, 1, 1], [1.1186, 1, 2], [0.9787, 2, 3]];
    foreach ($runs as $i => [$scale, $rank, $count]) {
        $cpu = "Rank test processor $i";
        $reply = post($s, body_of(client_fields(sample_texts(['cpu' => $cpu]), sample_maps($scale))));
        $t->equal(200, $reply['status'], "ranking: submission $i accepted");
        $t->check(str_contains($reply['body'], "Rank <strong>$rank</strong> of " . ($i + 1)),
            "ranking: submission $i is told rank $rank", strip_tags($reply['body']));
    }
    $index = http($s->port, 'GET', '/index.php')['body'];
    $order = array_map(fn($i) => position($index, "Rank test processor $i"), [1, 2, 0]);
    $t->check(min($order) >= 0 && $order === array_values(array_unique($order)) && $order[0] < $order[1]
        && $order[1] < $order[2], 'ranking: index lists best first', json_encode($order));
}

function test_known_upload(Tally $t, Server $s): void
{
    $before = stored_count($s);
    $reply = post($s, KNOWN_BODY);
    $t->equal(200, $reply['status'], 'upload: known run accepted');
    $t->equal('text/html; charset=UTF-8', $reply['headers']['content-type'] ?? '', 'upload: UTF-8 page');
    $t->equal($before + 1, stored_count($s), 'upload: one row stored');

    $row = newest_row($s);
    foreach (['ver' => '2225', 'cpu' => 'AMD Athlon(tm) XP 2400+', 'os' => 'Windows XP',
              'vid' => 'NVIDIA GeForce4 Ti 4600', 'body' => KNOWN_BODY] as $column => $sent) {
        $t->equal($sent, $row[$column] ?? null, "upload: stored $column byte for byte");
    }
    $stored = [
        'mhz' => (string) ($row['mhz'] ?? ''), 'mem' => (string) ($row['mem'] ?? ''),
        'score' => sprintf('%.6F', $row['score'] ?? 0), 'botmatch' => sprintf('%.6F', $row['botmatch'] ?? 0),
        'flyby' => sprintf('%.6F', $row['flyby'] ?? 0), 'verify' => sprintf('%.6F', $row['verify'] ?? 0),
    ];
    for ($i = 1; $i <= 4; ++$i) {
        $stored["map$i"] = implode('|', array_map(fn($c) => sprintf('%.6F', $row["map{$i}_$c"] ?? 0),
            ['lo', 'avg', 'hi']));
    }
    $sent = Tarvik\parse_form_body(KNOWN_BODY)['fields'];
    foreach ($stored as $key => $value) {
        $t->equal($sent[$key], $value, "upload: stored $key equals the sent value");
    }
    $t->equal('127.0.0.1', $row['client_address'] ?? null, 'upload: client address stored');
    $t->check((bool) preg_match('/^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/', (string) ($row['received_at'] ?? '')),
        'upload: received time stored', (string) ($row['received_at'] ?? ''));

    $page = $reply['body'];
    $t->check(str_contains($page, '<h1>Your Tarvik score</h1>'), 'reply: heading');
    $t->check(str_contains($page, '<p class="big-score">178.79</p>'), 'reply: score cut to two decimals');
    // The three ranking runs scored about 150, 200 and 175.
    $t->check(str_contains($page, 'Rank <strong>2</strong> of 4'), 'reply: rank among stored results',
        strip_tags($page));
    $t->check(str_contains($page, '<meta charset="utf-8">'), 'reply: declares UTF-8');
    $t->check(str_contains($page, 'href="http://127.0.0.1:' . $s->port . '/index.php"'),
        'reply: absolute link to the ranking (the client opens a saved copy)');
    $t->check(str_contains($page, '<style>') && !str_contains($page, 'href="style.css"'),
        'reply: styles travel inside the page');
    $t->check(str_contains($page, '<tr class="yours"><td class="num">2</td><td>AMD Athlon(tm) XP 2400+</td>'),
        'reply: own row marked in the top table');
}

function test_awkward_texts(Tally $t, Server $s): void
{
    // [name, texts, expected escaped fragment in the reply, raw fragment that must not appear]
    $cases = [
        ['"&", "=", "+" and "%" in free text',
            ['cpu' => 'Intel R&D 3.0+ 100%', 'vid' => 'Radeon & co=op %20'],
            'Intel R&amp;D 3.0+ 100%', null],
        ['markup in the processor name',
            ['cpu' => "<script>alert('x')</script>"],
            '&lt;script&gt;alert(&apos;x&apos;)&lt;/script&gt;', '<script>'],
        ['SQL in the video card line',
            ['vid' => "Robert'); DROP TABLE results;--", 'os' => 'Windows "XP"'],
            'Robert&apos;); DROP TABLE results;--', null],
        ['Windows-1252 bytes',
            ['cpu' => "Athlon\x99 XP (0.18 \xB5m)", 'ver' => "2225 \x93beta\x94"],
            "Athlon\u{2122} XP (0.18 \u{B5}m)", "\x99"],
    ];
    foreach ($cases as [$name, $texts, $shown, $forbidden]) {
        $fields = client_fields(sample_texts($texts), sample_maps(0.5));
        $reply = post($s, body_of($fields));
        $t->equal(200, $reply['status'], "texts: $name accepted");
        $row = newest_row($s);
        foreach ($texts as $key => $value) {
            $t->equal($value, $row[$key] ?? null, "texts: $name: $key stored as sent");
        }
        $t->check(str_contains($reply['body'], $shown), "texts: $name shown escaped");
        if ($forbidden !== null) {
            $t->check(!str_contains($reply['body'], $forbidden), "texts: $name never raw in the reply");
        }
        $index = http($s->port, 'GET', '/index.php')['body'];
        $t->check(str_contains($index, $shown) && ($forbidden === null || !str_contains($index, $forbidden)),
            "texts: $name escaped on the index");
    }
}

function test_refusals(Tally $t, Server $s): void
{
    $good = client_fields(sample_texts(), sample_maps());
    $with = fn(array $changes) => body_of(array_merge($good, $changes));
    $tampered = client_fields(sample_texts(), sample_maps(), 5.0);
    $zeroLow = sample_maps();
    $zeroLow[3][Tarvik\LO] = 0.0;

    // [name, body, expected status, fragment of the page (HTML-escaped), extra headers]
    $cases = [
        ['body too large', $with(['cpu' => str_repeat('x', 4100)]), 413, 'longer than 4096 bytes'],
        ['missing field', str_replace('&mem=512', '', body_of($good)), 400, '&quot;mem&quot; is missing'],
        ['duplicate field', body_of($good) . '&mhz=3000', 400, '&quot;mhz&quot; appears more than once'],
        ['unknown field', body_of($good) . '&debug=1', 400, 'unknown field &quot;debug&quot;'],
        ['clock not a number', $with(['mhz' => '2000MHz']), 422, '&quot;mhz&quot; is not a whole number'],
        ['clock too high', $with(['mhz' => '100001']), 422, '&quot;mhz&quot; is out of range'],
        ['clock with many digits', $with(['mhz' => '99999999999999999999999']), 422, 'out of range'],
        ['negative memory', $with(['mem' => '-1']), 422, '&quot;mem&quot; is not an unsigned whole number'],
        ['exponent notation', $with(['score' => '1.787983e2']), 422, '&quot;score&quot; is not a decimal number'],
        ['infinite frame rate', $with(['flyby' => '1.#INF00']), 422, '&quot;flyby&quot; is not a decimal number'],
        ['frame rate too high', $with(['map1' => '31.254000|58.734513|100000.500000']), 422,
            'The high of &quot;map1&quot; is out of range'],
        ['negative frame rate', $with(['map2' => '-28.125000|61.902344|104.166667']), 422,
            'The low of &quot;map2&quot; is out of range'],
        ['two rates only', $with(['map3' => '42.857143|112.408276']), 422,
            '&quot;map3&quot; is not three numbers'],
        ['botmatch not from the averages', body_of($tampered), 422,
            '&quot;botmatch&quot; does not match the map averages'],
        ['wrong check value', $with(['verify' => sprintf('%.6F', (float) $good['verify'] * 1.01)]), 422,
            '&quot;verify&quot; does not match'],
        ['zero divisor', body_of(array_merge(client_fields(sample_texts(), $zeroLow), ['verify' => '0.000000'])),
            422, 'cannot be checked: the low of &quot;map4&quot; is zero'],
        ['control character', $with(['cpu' => "Athlon\tXP"]), 422, '&quot;cpu&quot; contains control characters'],
        ['line break in the video line', $with(['vid' => "GeForce\r\n"]), 422,
            '&quot;vid&quot; contains control characters'],
        ['text too long', $with(['vid' => str_repeat('v', 101)]), 422, 'longer than 100 characters'],
        ['empty processor', $with(['cpu' => '']), 422, '&quot;cpu&quot; is empty'],
        ['wrong content type', body_of($good), 415, 'application/x-www-form-urlencoded',
            ['Content-Type' => 'multipart/form-data; boundary=x']],
    ];
    foreach ($cases as $case) {
        [$name, $body, $status, $fragment] = $case;
        $before = stored_count($s);
        $reply = post($s, $body, $case[4] ?? []);
        $t->equal($status, $reply['status'], "refused: $name: status");
        $t->check(stripos($reply['body'], $fragment) !== false, "refused: $name: says why",
            trim(preg_replace('/\s+/', ' ', strip_tags(substr($reply['body'], (int) strpos($reply['body'], '<main>'))))));
        $t->equal($before, stored_count($s), "refused: $name: nothing stored");
    }

    foreach (['GET', 'PUT', 'HEAD'] as $method) {
        $before = stored_count($s);
        $reply = http($s->port, $method, '/upload.php', $method === 'PUT' ? KNOWN_BODY : null);
        $t->equal(405, $reply['status'], "refused: $method upload.php: status");
        $t->equal('POST', $reply['headers']['allow'] ?? null, "refused: $method upload.php: Allow header");
        $t->equal($before, stored_count($s), "refused: $method upload.php: nothing stored");
    }
}

function test_index(Tally $t, Server $s): void
{
    $reply = http($s->port, 'GET', '/index.php');
    $t->equal(200, $reply['status'], 'index: shown');
    $t->check(str_contains($reply['body'], '<h1>Best scores</h1>')
        && str_contains($reply['body'], '<h2>Newest submissions</h2>'), 'index: both tables');
    foreach (['page=999', 'page=-1', 'page=abc', 'page[]=2'] as $query) {
        $t->equal(200, http($s->port, 'GET', "/index.php?$query")['status'], "index: odd query $query");
    }
    $reply = http($s->port, 'POST', '/index.php', 'x=1');
    $t->equal(405, $reply['status'], 'index: POST refused');
    $t->equal('GET, HEAD', $reply['headers']['allow'] ?? null, 'index: Allow header');
    $t->equal(200, http($s->port, 'GET', '/style.css')['status'], 'index: stylesheet served');
}

// ---------------------------------------------------------------------------------------------

function remove_folder(string $folder): void
{
    foreach (glob($folder . '/{,.}[!.]*', GLOB_BRACE) ?: [] as $file) {
        is_dir($file) ? remove_folder($file) : unlink($file);
    }
    @rmdir($folder);
}

function main(array $argv): int
{
    $t = new Tally();
    $t->verbose = in_array('-v', $argv, true);

    $folder = sys_get_temp_dir() . '/tarvik-server-tests-' . getmypid() . '-' . bin2hex(random_bytes(4));
    mkdir($folder, 0700, true);
    $server = new Server($folder, $folder . '/results.sqlite');
    $finished = false;
    $finish = function () use ($t, $server, $folder): void {
        $server->stop();
        if ($t->failed > 0 && $server->log() !== '') {
            $lines = array_slice(explode("\n", rtrim($server->log())), -15);
            echo "---- server log, last lines\n" . implode("\n", $lines) . "\n";
        }
        remove_folder($folder);
        echo $t->summary();
    };
    // Whatever happens (a fatal error, the time limit), the server goes and the summary comes.
    register_shutdown_function(function () use ($t, $finish, &$finished): void {
        if (!$finished) {
            $t->check(false, 'tests ended early');
            $finish();
            exit(1);
        }
    });
    if (function_exists('pcntl_alarm')) {
        pcntl_async_signals(true);
        pcntl_signal(SIGALRM, function () use ($t) {
            $t->check(false, 'time limit of ' . TIME_LIMIT_SECONDS . ' s reached');
            exit(1);
        });
        pcntl_alarm(TIME_LIMIT_SECONDS);
    }

    test_parser($t);
    test_maths($t);
    test_rounding_is_tolerated($t);
    test_text_output($t);
    test_check_tool($t);

    if ($t->check($server->start(), 'server starts')) {
        test_ranking($t, $server);
        test_known_upload($t, $server);
        test_awkward_texts($t, $server);
        test_refusals($t, $server);
        test_index($t, $server);
    }

    $finished = true;
    $finish();
    return $t->failed === 0 ? 0 : 1;
}

exit(main($argv));
