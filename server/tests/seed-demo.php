<?php
// Posts a few dozen plausible standard runs to a running results server, for demos and for
// looking at the pages:  php server/tests/seed-demo.php http://127.0.0.1:8080 [count]
// Prints the status of each post; saves the last reply page as reply.html in the temp folder.

declare(strict_types=1);

require_once __DIR__ . '/client_body.php';

$base = rtrim($argv[1] ?? '', '/');
if (!preg_match('#^http://[^/]+#', $base)) {
    fwrite(STDERR, "usage: php seed-demo.php http://HOST:PORT [count]\n");
    exit(2);
}
$count = max(1, min(500, (int) ($argv[2] ?? 30)));

// [processor (Windows-1252), clock, memory, video card, operating system, speed]
$machines = [
    ['AMD Athlon(tm) XP 2400+', 2000, 512, 'NVIDIA GeForce4 Ti 4600', 'Windows XP', 1.00],
    ['Intel(R) Pentium(R) 4 CPU 2.53GHz', 2533, 512, 'RADEON 9700 PRO', 'Windows XP', 1.12],
    ["Athlon\x99 (Thunderbird core)", 1400, 256, 'NVIDIA GeForce3', 'Windows 98', 0.58],
    ['AMD Athlon(tm) XP 2700+', 2166, 1024, 'RADEON 9700 PRO', 'Windows 2000', 1.21],
    ['Intel(R) Pentium(R) III CPU 1000MHz', 1000, 384, 'NVIDIA GeForce2 GTS/GeForce2 Pro', 'Windows ME', 0.41],
    ["Duron\x99 (Morgan core)", 1200, 256, 'NVIDIA GeForce4 MX 440', 'Windows XP', 0.47],
    ['Intel(R) Pentium(R) 4 CPU 3.06GHz', 3066, 1024, 'NVIDIA GeForce FX 5800 Ultra', 'Windows XP', 1.34],
    ['AMD Athlon(tm) MP 2000+', 1666, 1024, 'RADEON 8500', 'Windows Server 2003', 0.83],
];

mt_srand(2003);
for ($i = 0; $i < $count; ++$i) {
    [$cpu, $mhz, $mem, $vid, $os, $speed] = $machines[$i % count($machines)];
    $scale = $speed * (0.9 + mt_rand(0, 2000) / 10000);
    $texts = ['ver' => '2225', 'cpu' => $cpu, 'mhz' => (string) $mhz, 'mem' => (string) ($mem + 1),
              'os' => $os, 'vid' => $vid];
    $body = body_of(client_fields($texts, sample_maps($scale)));
    $context = stream_context_create(['http' => [
        'method' => 'POST',
        'header' => "Content-Type: application/x-www-form-urlencoded\r\n",
        'content' => $body,
        'ignore_errors' => true,
        'timeout' => 10,
    ]]);
    $reply = @file_get_contents("$base/upload.php", false, $context);
    $status = $http_response_header[0] ?? 'no answer';
    echo "$status  $cpu\n";
    if ($reply === false) {
        exit(1);
    }
}
file_put_contents(sys_get_temp_dir() . '/reply.html', $reply);
echo 'last reply page: ' . sys_get_temp_dir() . "/reply.html\n";
