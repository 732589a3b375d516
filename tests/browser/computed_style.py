# SPDX-License-Identifier: GPL-3.0-or-later
"""The paste table: what `velloran --read` takes from each snippet against what Chromium
computes for it.

Every row of the snippet file is read twice by the browser: as written, and as the style
sheet our program prints for what it took (`--print css`). Both pages are computed in one
headless Chromium run, each in a frame of its own, by a page script whose results
`--dump-dom` carries out. For the element that carries the font (the first text's element),
for the body and for the links the two must agree: colour exact, size by the nearest of the
seven steps, the face the browser shows and every face the snippet names, weight 600 and up
as bold, italic or oblique, text-align center.

A property counts where the snippet sets it (its value differs from a page without it) or
our program took one (ours differs from the style a read starts from). A row that disagrees
fails the run unless the manual says why, in an item with the id `paste-table-NAME`.

Usage: computed_style.py VELLORAN SNIPPETS MANUAL
"""

import html
import json
import os
import re
import subprocess
import sys
import tempfile

STEPS = [10, 13, 16, 18, 24, 32, 48]
# The visited and active states a page script cannot compute (browsers report a visited
# link as unvisited); each rule naming them is copied onto a class the probe carries.
STATE_CLASSES = {":visited": "vl-visited", ":active": "vl-active"}
FRAME_SCRIPT = r"""
function vlState(doc) {
  const found = {};
  for (const sheet of doc.styleSheets) {
    let rules; try { rules = sheet.cssRules; } catch (e) { continue; }
    for (let i = rules.length - 1; i >= 0; --i) {
      const rule = rules[i];
      // A style rule; the frame's own CSSStyleRule is another than this page's.
      if (rule.type !== 1) continue;
      let text = rule.cssText, changed = false;
      for (const [state, cls] of STATES) {
        if (text.split('{')[0].includes(state)) {
          text = text.split('{')[0].split(state).join('.' + cls) + '{' + text.split('{').slice(1).join('{');
          changed = found[cls] = true;
        }
      }
      if (changed) { try { sheet.insertRule(text, i + 1); } catch (e) {} }
    }
  }
  return found;
}
function vlCarrier(doc) {
  const walker = doc.createTreeWalker(doc.body, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const parent = node.parentElement;
    if (!node.data.trim() || parent.closest('script,style,a.vl-probe')) continue;
    return parent;
  }
  return doc.body;
}
function vlInstalled(ctx, face) {
  const generic = ['serif','sans-serif','monospace','cursive','fantasy','system-ui'];
  if (generic.includes(face.toLowerCase())) return true;
  const text = 'Velloran WMmil 0123 The quick brown fox';
  const quoted = '"' + face.replace(/["\\]/g, '\\$&') + '"';
  ctx.font = '48px ' + quoted + ', monospace'; const a = ctx.measureText(text).width;
  ctx.font = '48px ' + quoted + ', serif'; const b = ctx.measureText(text).width;
  return a === b;
}
function vlFaces(list) {
  const faces = []; let rest = list;
  const re = /\s*("(?:[^"\\]|\\.)*"|'(?:[^'\\]|\\.)*'|[^,]+)\s*(,|$)/y;
  let m;
  while (rest && (m = re.exec(list)) && m[0]) {
    let f = m[1].trim();
    if (/^["']/.test(f)) f = f.slice(1, -1).replace(/\\(.)/g, '$1');
    faces.push(f);
    if (re.lastIndex >= list.length) break;
  }
  return faces;
}
// A computed colour as the sRGB bytes drawn for it: browsers report the CSS Color 4 functions
// in their own space.
function vlRgb(doc, color) {
  if (!color) return '';
  const canvas = doc.createElement('canvas'); canvas.width = canvas.height = 1;
  const ctx = canvas.getContext('2d', {willReadFrequently: true});
  ctx.fillStyle = color; ctx.fillRect(0, 0, 1, 1);
  const [r, g, b, a] = ctx.getImageData(0, 0, 1, 1).data;
  return a === 0 ? 'transparent' : 'rgb(' + r + ', ' + g + ', ' + b + ')';
}
function vlCompute(doc) {
  const states = vlState(doc);
  const win = doc.defaultView;
  const ctx = doc.createElement('canvas').getContext('2d');
  const carrier = vlCarrier(doc);
  const cs = win.getComputedStyle(carrier);
  const faces = vlFaces(cs.fontFamily);
  const shown = faces.find(f => vlInstalled(ctx, f)) || '';
  ctx.font = '48px ' + cs.fontFamily;
  const width = ctx.measureText('Velloran WMmil 0123 The quick brown fox').width;
  const color = sel => { const e = doc.querySelector(sel); return e ? vlRgb(doc, win.getComputedStyle(e).color) : ''; };
  const body = win.getComputedStyle(doc.body);
  return {
    tag: carrier.tagName.toLowerCase(), color: vlRgb(doc, cs.color), size: parseFloat(cs.fontSize),
    faces: faces, shown: shown, width: width, weight: parseInt(cs.fontWeight, 10),
    style: cs.fontStyle, align: cs.textAlign,
    bodyColor: vlRgb(doc, body.color), background: vlRgb(doc, body.backgroundColor),
    link: color('a.vl-link'), visited: color('a.vl-visited'), active: color('a.vl-active'),
    states: states,
  };
}
"""

PROBES = ('<a class="vl-probe vl-link" href="#vl-unvisited">l</a>'
          '<a class="vl-probe vl-visited" href="#vl-v">v</a>'
          '<a class="vl-probe vl-active" href="#vl-a">a</a>')
DEFAULT_PROBE = '<p class="velloran">Velloran</p>'


def read_rows(path):
    """Rows of the snippet file: `--- NAME` or `--- NAME | PROBE`, then the snippet's lines. A
    probe of `-` says the snippet styles no element of its own: only the body and the links."""
    rows, current = [], None
    with open(path, encoding='utf-8') as snippets:
        for line in snippets:
            if line.startswith('--- '):
                name, _, probe = line[4:].rstrip('\n').partition(' | ')
                current = {'name': name.strip(), 'probe': probe.strip() or DEFAULT_PROBE, 'lines': []}
                rows.append(current)
            elif current is not None:
                current['lines'].append(line)
            elif line.strip() and not line.startswith('#'):
                raise SystemExit('%s: text before the first row' % path)
    for row in rows:
        row['text'] = ''.join(row['lines']).strip('\n') + '\n'
        if row['probe'] == '-':
            row['probe'] = ''
    return rows


def is_markup(text):
    return re.search(r'<\s*[a-zA-Z!]', text) is not None


def page_of(text, probe):
    """The document a browser reads for a snippet: markup as written, CSS in a STYLE element."""
    if is_markup(text):
        return text + PROBES
    return '<!doctype html><style>' + text + '</style><body>' + probe + PROBES


def read_with(velloran, text):
    with tempfile.NamedTemporaryFile('w', suffix='.html', delete=False, encoding='utf-8') as snippet:
        snippet.write(text)
    try:
        done = subprocess.run([velloran, '--read', snippet.name, '--print', 'css'],
                              capture_output=True, text=True, timeout=30)
    finally:
        os.unlink(snippet.name)
    return done.returncode, done.stdout, done.stderr


def compute(pages, workdir):
    """The computed values of every page, by one headless Chromium run."""
    frames = ''.join('<iframe id="f%d" srcdoc="%s"></iframe>' % (i, html.escape(page, quote=True))
                     for i, page in enumerate(pages))
    states = json.dumps(sorted(STATE_CLASSES.items()))
    script = ('const STATES = %s;\n%s\n'
              'window.addEventListener("load", () => {\n'
              '  const out = [];\n'
              '  for (let i = 0; i < %d; ++i) {\n'
              '    const doc = document.getElementById("f" + i).contentDocument;\n'
              '    try { out.push(vlCompute(doc)); } catch (e) { out.push({error: String(e)}); }\n'
              '  }\n'
              '  const pre = document.createElement("pre"); pre.id = "vl-results";\n'
              '  pre.textContent = JSON.stringify(out); document.body.appendChild(pre);\n'
              '});\n') % (states, FRAME_SCRIPT, len(pages))
    page = os.path.join(workdir, 'paste-table.html')
    with open(page, 'w', encoding='utf-8') as out:
        out.write('<!doctype html><body>%s<script>%s</script>' % (frames, script))
    profile = os.path.join(workdir, 'profile')
    dom = subprocess.run(['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
                          '--user-data-dir=' + profile, '--virtual-time-budget=5000',
                          '--dump-dom', 'file://' + page],
                         capture_output=True, text=True, timeout=180).stdout
    found = re.search(r'<pre id="vl-results">(.*?)</pre>', dom, re.S)
    if not found:
        raise SystemExit('chromium gave no results')
    return json.loads(html.unescape(found.group(1)))


def step(px):
    return min(range(len(STEPS)), key=lambda i: (abs(px - STEPS[i]), i)) + 1


def judged(values):
    """The properties compared, as the checks see them."""
    return {
        'color': values['color'], 'size': step(values['size']), 'bold': values['weight'] >= 600,
        'italic': values['style'] in ('italic', 'oblique') or values['style'].startswith('oblique'),
        'center': values['align'] in ('center', '-webkit-center'),
        'body color': values['bodyColor'], 'background': values['background'],
        'link': values['link'], 'visited': values['visited'], 'active': values['active'],
    }


# What the element carrying the font is judged on; a snippet whose text is the body's own
# carries no font.
FONT_KEYS = ('color', 'size', 'bold', 'italic', 'center')


def disagreements(original, blank, ours, ours_default):
    found = []
    theirs, mine = judged(original), judged(ours)
    theirs_blank, mine_default = judged(blank), judged(ours_default)
    carries_font = original['tag'] != 'body'
    for key in theirs:
        if key in FONT_KEYS and not carries_font:
            continue
        # A visited or active colour the page gives otherwise than by a rule (a BODY tag's
        # VLINK and ALINK) is one no page script can see.
        if key in ('visited', 'active') and not original['states'].get('vl-' + key):
            continue
        if theirs[key] == theirs_blank[key] and mine[key] == mine_default[key]:
            continue
        if theirs[key] != mine[key]:
            found.append('%s: browser %s, ours %s' % (key, theirs[key], mine[key]))
    # The face: drawn alike, and every face the snippet names kept.
    if carries_font and (original['faces'] != blank['faces'] or ours['faces'] != ours_default['faces']):
        if original['width'] != ours['width']:
            found.append('face: browser shows %r of %r, ours %r of %r' %
                         (original['shown'], original['faces'], ours['shown'], ours['faces']))
        kept = {face.lower() for face in ours['faces']}
        lost = [face for face in original['faces'] if face.lower() not in kept]
        if lost and original['faces'] != blank['faces']:
            found.append('faces %r left out of %r' % (lost, ours['faces']))
    return found


def main(velloran, snippets, manual):
    rows = read_rows(snippets)
    with open(manual, encoding='utf-8') as text:
        explained = set(re.findall(r'id="paste-table-([\w-]+)"', text.read()))
    pages, reads = [], []
    blank = '<!doctype html><body>' + DEFAULT_PROBE + PROBES
    _, default_css, _ = read_with(velloran, 'body {}\n')
    pages += [blank, page_of(default_css, DEFAULT_PROBE)]
    for row in rows:
        code, css, messages = read_with(velloran, row['text'])
        reads.append((code, css, messages))
        pages += [page_of(row['text'], row['probe']), page_of(css, DEFAULT_PROBE) if code == 0 else blank]
    with tempfile.TemporaryDirectory() as workdir:
        values = compute(pages, workdir)
    for value in values:
        if 'error' in value:
            raise SystemExit('page script failed: ' + value['error'])
    agree, failed = 0, []
    for i, row in enumerate(rows):
        code, _, messages = reads[i]
        found = [] if code == 0 else ['nothing read (exit %d): %s' % (code, messages.strip())]
        found += disagreements(values[2 + 2 * i], values[0], values[3 + 2 * i], values[1])
        if not found:
            agree += 1
            continue
        known = row['name'] in explained
        print('%s %s:\n  %s' % ('known' if known else 'DISAGREES', row['name'], '\n  '.join(found)))
        if not known:
            failed.append(row['name'])
    print('%d of %d snippets agree' % (agree, len(rows)))
    if failed:
        print('disagree without a line in the manual: ' + ', '.join(failed))
        return 1
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    sys.exit(main(*sys.argv[1:]))
