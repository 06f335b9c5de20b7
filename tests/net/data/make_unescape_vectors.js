#!/usr/bin/env node
// Writes unescape_vectors.tsv: inputs for UnescapeScriptText and the outputs a
// real ECMAScript engine gives for them. Each input goes through the decoder's
// text steps (CR LF to "{$}", a leading CR dropped, "\u" to "%u", the
// apostrophe to U+2019), is read as the single-quoted string literal of
// "function xx(){var x='...';return unescape(x);}" and run; a script that does
// not compile gives the empty text. The result then gets the reverse swaps,
// ends at its first NUL, and a lone surrogate becomes "?" (it has no character
// in the system code page).
//
// Inputs where a backslash stands directly before a CR or LF are left out:
// there a modern engine continues the literal, while the decoder treats the
// line break as the end of the line (the script would not compile).
//
// Each line: hex of the input's UTF-8 bytes, a tab, hex of the expected UTF-8
// bytes (empty for the empty text). Run: node make_unescape_vectors.js
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');

function scriptSteps(text) {
  let t = text.split('\r\n').join('{$}');
  if (t.startsWith('\r')) t = t.slice(1);
  t = t.split('\\u').join('%u');
  return t.split("'").join('\u2019');
}

function continuesLiteral(t) {
  for (let i = 0; i < t.length; i++) {
    if (t[i] === '\\') {
      if (t[i + 1] === '\r' || t[i + 1] === '\n') return true;
      i++;
    }
  }
  return false;
}

function decode(text) {
  const t = scriptSteps(text);
  let r;
  try {
    r = vm.runInNewContext("function xx(){var x='" + t + "';return unescape(x);};xx();");
  } catch (e) {
    if (e.name !== 'SyntaxError') throw e;  // raised in the script's own realm
    return '';
  }
  r = r.split('\u2019').join("'").split('{$}').join('\r\n');
  r = r.split('\0')[0];
  return r.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g, '?');
}

const handWritten = [
  '', 'plain text', '\\u6807\\u51c6', '\\u6807\\u51C6\\u54c1\\u8d28', 'http:\\/\\/host\\/a.mp3',
  "it's", 'it\u2019s', "'\u2019'", 'a{$}b', 'line\r\nnext\r\n', '\r\nleading', '\rleading CR',
  'a\rb', 'a\nb', 'trailing\\', 'trailing\\\\', '\\\\u6807', '\\\\\\u6807', '\\U0041',
  '\\x41\\x7e\\x7E', '\\x4', '\\xZZ', '\\x', '\\u12', '\\uZZZZ', '\\u{41}', '\\0', '\\08', '\\09',
  '\\101', '\\377', '\\400', '\\7', '\\78', '\\1234', '\\8', '\\9', '\\q\\w\\%\\{', '\\"quoted\\"',
  '\\n\\r\\t\\b\\f\\v', '%u6807%u51c6', '%41%42%4', '%zz', '%', '100%', '%%41', '%u12', '%u00e9',
  '%uD83C%uDFB5', '%uD83C', '%uDFB5 alone', '\\uD83C\\uDFB5', '%00cut', 'before\\x00after',
  'before\\0after', '\\u0000', '标准品质', '中文\\u6807', '한국어', '🎵 note', '\u3000full width',
  'a\u2028b', 'a\\\u2028b', '\\u2028', '"song_id":123,"song_name":"\\u6d4b\\u8bd5"',
  '{"url":"http:\\/\\/x\\/y.mp3?a=1&b=%E4%B8%AD"}', '€ ü ß', '\\ufeff', 'tab\there',
];

const fragments = [
  '\\\\', '\\/', '\\"', "\\'", "'", '\u2019', '\\n', '\\r', '\\t', '\\b', '\\f', '\\v', '\\x41',
  '\\x4', '\\xg0', '\\x7e', '\\u6807', '\\u51c6', '\\u00', '\\uZZZZ', '\\U0041', '\\0', '\\08',
  '\\101', '\\377', '\\400', '\\7', '\\8', '\\q', '\\%', '%u6807', '%41', '%4', '%zz', '%', '%%41',
  '%u12', '%u00e9', '%uD83C', '%uDFB5', '%00', '\\x00', '{$}', '{$', '$}', '\r\n', '\n', '\r',
  'abc', 'XYZ', '123', ' ', '标准品质', '中文', '歌手', '한', '🎵', '\u3000', '\u2028', 'ü', '€',
  '"', ':', ',', '}', '{', '\\',
];

// A small seeded generator, so the file is the same on every run.
let seed = 0x5eed1234;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let x = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  x = (x + Math.imul(x ^ (x >>> 7), 61 | x)) ^ x;
  return ((x ^ (x >>> 14)) >>> 0) / 4294967296;
}

const inputs = handWritten.slice();
while (inputs.length < 600) {
  const count = 1 + Math.floor(random() * 8);
  let s = '';
  for (let k = 0; k < count; k++) s += fragments[Math.floor(random() * fragments.length)];
  inputs.push(s);
}

const lines = [];
const seen = new Set();
for (const input of inputs) {
  if (seen.has(input) || continuesLiteral(scriptSteps(input))) continue;
  seen.add(input);
  const hex = (s) => Buffer.from(s, 'utf8').toString('hex');
  lines.push(hex(input) + '\t' + hex(decode(input)));
}
fs.writeFileSync(path.join(__dirname, 'unescape_vectors.tsv'), lines.join('\n') + '\n');
console.log('wrote ' + lines.length + ' vectors');
