<?php
// Settings of a deployment, taken from the environment (SetEnv, fastcgi_param or the shell).

declare(strict_types=1);

namespace Tarvik;

function setting(string $name): ?string
{
    $value = $_SERVER[$name] ?? getenv($name);
    return is_string($value) && $value !== '' ? $value : null;
}

/** TARVIK_RESULTS_DB, or data/results.sqlite beside the public folder. */
function database_path(): string
{
    return setting('TARVIK_RESULTS_DB') ?? dirname(__DIR__) . '/data/results.sqlite';
}

/**
 * Absolute URL of the public folder, without a trailing slash. The client saves the reply page
 * to a local file before the browser shows it, so links in it must not be relative.
 * TARVIK_PUBLIC_URL overrides the guess (needed behind a proxy that changes host or scheme).
 */
function site_url(): string
{
    $configured = setting('TARVIK_PUBLIC_URL');
    if ($configured !== null) {
        return rtrim($configured, '/');
    }
    $https = ($_SERVER['HTTPS'] ?? '') !== '' && strtolower((string) $_SERVER['HTTPS']) !== 'off';
    $host = (string) ($_SERVER['HTTP_HOST'] ?? '');
    if (!preg_match('/^([A-Za-z0-9.-]+|\[[0-9A-Fa-f:.]+\])(:[0-9]{1,5})?$/D', $host)) {
        $host = (string) ($_SERVER['SERVER_NAME'] ?? 'localhost');
        $port = (string) ($_SERVER['SERVER_PORT'] ?? '');
        if ($port !== '' && $port !== ($https ? '443' : '80')) {
            $host .= ':' . $port;
        }
    }
    $folder = rtrim(str_replace('\\', '/', dirname((string) ($_SERVER['SCRIPT_NAME'] ?? '/'))), '/');
    return ($https ? 'https' : 'http') . '://' . $host . $folder;
}
