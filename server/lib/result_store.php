<?php
// The stored submissions: one SQLite file outside the public folder.

declare(strict_types=1);

namespace Tarvik;

use PDO;

final class ResultStore
{
    private const SCHEMA_VERSION = 1;

    /** Columns of the four map records, in record order: map1_lo, map1_avg, map1_hi, map2_lo, ... */
    private const MAP_COLUMNS = [
        'map1_lo', 'map1_avg', 'map1_hi', 'map2_lo', 'map2_avg', 'map2_hi',
        'map3_lo', 'map3_avg', 'map3_hi', 'map4_lo', 'map4_avg', 'map4_hi',
    ];

    /** What the tables show; the rank counts the better scores so that ties share a place. */
    private const LISTED = 'id, received_at, cpu, mhz, mem, os, vid, botmatch, flyby, score,
        (SELECT COUNT(*) FROM results AS better WHERE better.score > results.score) + 1 AS rank';

    private PDO $db;

    private function __construct(PDO $db)
    {
        $this->db = $db;
    }

    /** Opens the database file, creating it and its schema on first use. Throws \PDOException. */
    public static function open(string $path): self
    {
        $folder = dirname($path);
        if (!is_dir($folder)) {
            @mkdir($folder, 0775, true);
        }
        $db = new PDO('sqlite:' . $path, null, null, [
            PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION,
            PDO::ATTR_DEFAULT_FETCH_MODE => PDO::FETCH_ASSOC,
            PDO::ATTR_TIMEOUT => 10, // seconds to wait for another request's write lock
        ]);
        $store = new self($db);
        $store->createSchema();
        return $store;
    }

    private function createSchema(): void
    {
        if ((int) $this->db->query('PRAGMA user_version')->fetchColumn() === self::SCHEMA_VERSION) {
            return;
        }
        $maps = implode(', ', array_map(fn($c) => "$c REAL NOT NULL", self::MAP_COLUMNS));
        // Two first requests may race here; the statements are idempotent.
        $this->db->exec(
            "CREATE TABLE IF NOT EXISTS results (
                id INTEGER PRIMARY KEY AUTOINCREMENT,
                received_at TEXT NOT NULL,
                client_address TEXT NOT NULL,
                ver BLOB NOT NULL,
                cpu BLOB NOT NULL,
                mhz INTEGER NOT NULL,
                mem INTEGER NOT NULL,
                os BLOB NOT NULL,
                vid BLOB NOT NULL,
                score REAL NOT NULL,
                botmatch REAL NOT NULL,
                flyby REAL NOT NULL,
                $maps,
                verify REAL NOT NULL,
                body BLOB NOT NULL
            );
            CREATE INDEX IF NOT EXISTS results_by_score ON results (score DESC, id);
            PRAGMA user_version = " . self::SCHEMA_VERSION . ';'
        );
    }

    /**
     * Stores a checked submission with the body it came from. The texts are Windows-1252 bytes
     * and are stored as blobs so that nothing reinterprets them.
     */
    public function add(array $submission, string $body, string $receivedAt, string $clientAddress): int
    {
        $columns = array_merge(
            ['received_at', 'client_address', 'ver', 'cpu', 'mhz', 'mem', 'os', 'vid',
             'score', 'botmatch', 'flyby'],
            self::MAP_COLUMNS,
            ['verify', 'body']
        );
        $insert = $this->db->prepare(sprintf(
            'INSERT INTO results (%s) VALUES (%s)',
            implode(', ', $columns),
            implode(', ', array_map(fn($c) => ":$c", $columns))
        ));

        $insert->bindValue(':received_at', $receivedAt);
        $insert->bindValue(':client_address', $clientAddress);
        foreach (['ver', 'cpu', 'os', 'vid'] as $text) {
            $insert->bindValue(":$text", $submission[$text], PDO::PARAM_LOB);
        }
        $insert->bindValue(':mhz', $submission['mhz'], PDO::PARAM_INT);
        $insert->bindValue(':mem', $submission['mem'], PDO::PARAM_INT);
        foreach (['score', 'botmatch', 'flyby', 'verify'] as $number) {
            $insert->bindValue(":$number", $submission[$number]);
        }
        foreach (self::MAP_COLUMNS as $i => $column) {
            $insert->bindValue(":$column", $submission['maps'][intdiv($i, 3)][$i % 3]);
        }
        $insert->bindValue(':body', $body, PDO::PARAM_LOB);
        $insert->execute();
        return (int) $this->db->lastInsertId();
    }

    public function count(): int
    {
        return (int) $this->db->query('SELECT COUNT(*) FROM results')->fetchColumn();
    }

    /** 1 for the best score; equal scores share a rank. */
    public function rankOf(float $score): int
    {
        $query = $this->db->prepare('SELECT COUNT(*) FROM results WHERE score > :score');
        $query->bindValue(':score', $score);
        $query->execute();
        return (int) $query->fetchColumn() + 1;
    }

    /** Best scores first; of equal scores the earlier one comes first. */
    public function best(int $limit, int $offset = 0): array
    {
        $query = $this->db->prepare(
            'SELECT ' . self::LISTED . ' FROM results ORDER BY score DESC, id LIMIT :limit OFFSET :offset'
        );
        $query->bindValue(':limit', $limit, PDO::PARAM_INT);
        $query->bindValue(':offset', $offset, PDO::PARAM_INT);
        $query->execute();
        return $query->fetchAll();
    }

    public function newest(int $limit): array
    {
        $query = $this->db->prepare(
            'SELECT ' . self::LISTED . ' FROM results ORDER BY id DESC LIMIT :limit'
        );
        $query->bindValue(':limit', $limit, PDO::PARAM_INT);
        $query->execute();
        return $query->fetchAll();
    }
}
