<?php
// Checks a form body as the server would, without storing it, and prints the values the server
// recomputes. For cross-checking the client:
//   php server/bin/check-body.php 'ver=2225&cpu=...&verify=20.652822'
//   php server/bin/check-body.php < body.txt
// Exits 0 when the body would be accepted, 1 otherwise.

declare(strict_types=1);

require_once __DIR__ . '/../lib/form_body.php';
require_once __DIR__ . '/../lib/submission.php';
require_once __DIR__ . '/../lib/verify.php';

$body = $argv[1] ?? stream_get_contents(STDIN);
$checked = Tarvik\check_submission($body);

$fields = Tarvik\parse_form_body($body)['fields'];
foreach ($fields as $key => $value) {
    printf("%-9s %s\n", $key, Tarvik\printable_excerpt($value, 100));
}

$submission = $checked['submission'];
if ($submission !== null) {
    $maps = $submission['maps'];
    [$b, $f, $s] = [$submission['botmatch'], $submission['flyby'], $submission['score']];
    printf("\nrecomputed botmatch %.6F  flyby %.6F  score %.6F\n",
        Tarvik\botmatch_of($maps), Tarvik\flyby_of($maps), Tarvik\score_of($maps));
    printf("recomputed verify   %.6F (from the sent botmatch, flyby and score)\n",
        Tarvik\verify_value($b, $f, $s, $maps));
    echo "accepted\n";
    exit(0);
}
echo "\nrefused ({$checked['status']}):\n";
foreach ($checked['errors'] as $error) {
    echo "  - $error\n";
}
exit(1);
