// The interactive page of kintree --html: the forest of one run, drawn from
// the JSON embedded above this script. A large code base has tens of
// thousands of types, so the tree is a list of rows of which only those in
// view exist in the document. Every text from the sources is set as text
// content, never parsed as markup.
(function () {
  'use strict';

  // Nodes less deep than this are open when a view is first drawn.
  var OPEN_DEPTH = 2;
  // Opening many nodes at once stops past this many rows: a lattice of
  // interfaces can have more paths than a browser can list.
  var ROW_LIMIT = 200000;
  // The details panel lists this many links of a list before "show all".
  var LIST_LIMIT = 200;
  // Rows drawn above and below the visible ones, so scrolling shows no gap.
  var OVERSCAN = 8;
  // Indentation stops growing here; deeper rows name their level instead.
  var INDENT_LEVELS = 24;

  var KIND_MARKS = {
    'class': 'C', 'interface': 'I', 'enum': 'E', 'record': 'R', 'annotation': '@',
    'package': 'P', 'import': 'i',
  };

  var settings = readJson('kintree-view');
  var data = readJson('kintree-data');
  var types = data.types;
  var count = types.length;
  // A run with --focus draws an interface's implementers beneath it: they
  // come as its "below" ids, kids beside its children, and hang under it.
  var kidLists = types.map(function (type) {
    if (!type.below) return type.children;
    return type.children.concat(type.below).sort(function (a, b) { return a - b; });
  });
  var hangsUnder = types.map(function (type) { return type.parents; });
  types.forEach(function (type) {
    (type.below || []).forEach(function (id) { hangsUnder[id] = hangsUnder[id].concat([type.id]); });
  });
  // The run's common path prefix, cut after its last separator so that
  // file names show whole.
  var basePath = settings.basePath.slice(
      0, Math.max(settings.basePath.lastIndexOf('/'), settings.basePath.lastIndexOf('\\')) + 1);

  var treeEl = byId('tree');
  var space = byId('space');
  var searchEl = byId('search');
  var countEl = byId('count');
  var details = byId('details');
  var rowHeight = parseFloat(getComputedStyle(treeEl).getPropertyValue('--row')) || 24;
  var indent = parseFloat(getComputedStyle(treeEl).getPropertyValue('--indent')) || 18;

  // What the page shows: a search, a focus record, grouping by package.
  var state = { query: '', focus: -1, packages: !!settings.packages };

  var focusUp = null;     // Uint8Array: the focus record and its ancestors
  var base = null;        // Uint8Array of the focus view (ancestors and descendants), or null for all
  var inView = null;      // Uint8Array of the records the tree lists, or null for all
  var isMatch = null;     // Uint8Array of the search's matches, or null
  var matchCount = 0;
  var viewRoots = [];     // record ids the tree starts from, in list order
  var via = null;         // Int32Array: the parent each record is first reached from (findRoots)
  var tops = [];          // the top nodes: roots, or package groups holding them
  var rows = [];          // visible nodes in order: an open node is followed by its kids
  var cursor = null;      // the node the keyboard is on
  var selected = -1;      // the record in the details panel
  var matchRows = [];     // the first row of each match, in row order
  var matchIndex = -1;
  var opened = 0;         // rows added while opening nodes, against ROW_LIMIT
  var truncated = false;  // opening stopped at ROW_LIMIT
  var onPath = new Uint8Array(count);  // scratch: the records above a node
  var keyIndex = null;    // address key -> record ids, made on first use
  var pool = [];          // the row elements, reused as the view scrolls

  function byId(id) {
    return document.getElementById(id);
  }

  function readJson(id) {
    return JSON.parse(byId(id).textContent);
  }

  function element(tag, className, text) {
    var el = document.createElement(tag);
    if (className) el.className = className;
    if (text) el.textContent = text;
    return el;
  }

  // Records

  /// A type only referred to; in import mode the imported names are never
  /// declared, and are no placeholders.
  function isPlaceholder(rec) {
    return !types[rec].declared && types[rec].kind !== 'import';
  }

  function label(rec) {
    return types[rec].name + types[rec].typeParameters;
  }

  function setMark(el, rec) {
    var kind = types[rec].kind;
    if (isPlaceholder(rec)) {
      el.className = 'mark k-placeholder';
      el.textContent = '?';
      el.title = kind + ', not declared in these sources';
    } else {
      el.className = 'mark k-' + (KIND_MARKS.hasOwnProperty(kind) ? kind : 'class');
      el.textContent = KIND_MARKS.hasOwnProperty(kind) ? KIND_MARKS[kind] : '?';
      el.title = kind;
    }
  }

  /// The closure of `seed` along `links` ('parents' or 'children'), kept
  /// inside `within` when given.
  function closure(seed, links, within) {
    var out = new Uint8Array(seed);
    var queue = [];
    for (var rec = 0; rec < count; rec++) if (seed[rec]) queue.push(rec);
    while (queue.length) {
      var list = types[queue.pop()][links];
      for (var i = 0; i < list.length; i++) {
        var next = list[i];
        if (!out[next] && (!within || within[next])) {
          out[next] = 1;
          queue.push(next);
        }
      }
    }
    return out;
  }

  /// The roots of the view over `filter` and, by a breadth-first walk from
  /// them, one shortest way down to each record: `via` holds the parent a
  /// record is reached from (-1 for a root). Roots are the records with no
  /// parent in the view, in list order; a record that only a cycle leads to
  /// starts a tree of its own, so every record of the view is reached.
  function findRoots(filter) {
    var roots = [];
    var queue = new Int32Array(count);
    var head = 0;
    var tail = 0;
    via = new Int32Array(count).fill(-2);
    function start(rec) {
      roots.push(rec);
      via[rec] = -1;
      queue[tail++] = rec;
    }
    function walk() {
      while (head < tail) {
        var from = queue[head++];
        var list = kidLists[from];
        for (var i = 0; i < list.length; i++) {
          var next = list[i];
          if (via[next] === -2 && (!filter || filter[next])) {
            via[next] = from;
            queue[tail++] = next;
          }
        }
      }
    }
    var rec;
    for (rec = 0; rec < count; rec++) {
      if (filter && !filter[rec]) continue;
      var parents = hangsUnder[rec];
      var parentInView = false;
      for (var i = 0; i < parents.length && !parentInView; i++) {
        parentInView = !filter || filter[parents[i]] === 1;
      }
      if (!parentInView) start(rec);
    }
    walk();
    for (rec = 0; rec < count; rec++) {
      if (via[rec] === -2 && (!filter || filter[rec])) {
        start(rec);
        walk();
      }
    }
    return roots.sort(function (a, b) { return a - b; });
  }

  // Search

  /// A test of one lower-case text: a substring, or with "*" a wildcard
  /// pattern over the whole text.
  function compileQuery(query) {
    query = query.toLowerCase();
    if (query.indexOf('*') < 0) {
      return function (text) { return text.indexOf(query) >= 0; };
    }
    var pattern = query.split('*').map(function (part) {
      return part.replace(/[\\^$.|?+()[\]{}]/g, '\\$&');
    }).join('.*');
    var regex = new RegExp('^' + pattern + '$');
    return function (text) { return regex.test(text); };
  }

  var lowerTexts = null;  // per record: name, qualified name and package in lower case

  function lowerAll() {
    if (lowerTexts) return;
    lowerTexts = new Array(count * 3);
    for (var rec = 0; rec < count; rec++) {
      lowerTexts[3 * rec] = types[rec].name.toLowerCase();
      lowerTexts[3 * rec + 1] = types[rec].qualifiedName.toLowerCase();
      lowerTexts[3 * rec + 2] = types[rec].package.toLowerCase();
    }
  }

  function findMatches(query, within) {
    lowerAll();
    var test = compileQuery(query);
    var found = new Uint8Array(count);
    matchCount = 0;
    for (var rec = 0; rec < count; rec++) {
      if (within && !within[rec]) continue;
      if (test(lowerTexts[3 * rec]) || test(lowerTexts[3 * rec + 1]) || test(lowerTexts[3 * rec + 2])) {
        found[rec] = 1;
        matchCount++;
      }
    }
    return found;
  }

  // Nodes: one place of a record in the tree. A record with several
  // parents has a node under each.

  function Node(rec, up, filter) {
    this.rec = rec;          // record id; -1 for a package group
    this.up = up;
    this.depth = up ? up.depth + 1 : 0;
    this.filter = filter;    // which children it lists: a Uint8Array, or null for all
    this.open = false;
    this.kids = null;        // made on first need
    this.cycle = false;      // its record is on the path above it: no kids
    this.row = -1;
    this.group = null;       // the package name of a group
    // On the shortest way from a root to its record: only such places open
    // by themselves, so a lattice with many paths to a record opens once.
    this.canonical = rec < 0 ||
        (up && up.rec >= 0 ? up.canonical && via[rec] === up.rec : via[rec] === -1);
  }

  function childIds(rec, filter) {
    var list = kidLists[rec];
    if (!filter) return list;
    var ids = [];
    for (var i = 0; i < list.length; i++) if (filter[list[i]]) ids.push(list[i]);
    return ids;
  }

  /// The node's kids. `marks` holds the records on the node's path (itself
  /// included) when the caller keeps them; else they are gathered here.
  function ensureKids(node, marks) {
    if (node.kids) return node.kids;
    if (node.cycle) return (node.kids = []);
    var filter = node.filter;
    var ids = childIds(node.rec, filter);
    // A match with no matching descendant lists all its children.
    if (!ids.length && isMatch && isMatch[node.rec] && filter !== base) {
      filter = base;
      ids = childIds(node.rec, filter);
    }
    var up;
    if (!marks) {
      for (up = node; up; up = up.up) if (up.rec >= 0) onPath[up.rec] = 1;
    }
    var kids = new Array(ids.length);
    for (var i = 0; i < ids.length; i++) {
      var kid = new Node(ids[i], node, filter);
      kid.cycle = (marks || onPath)[ids[i]] === 1;
      kids[i] = kid;
    }
    if (!marks) {
      for (up = node; up; up = up.up) if (up.rec >= 0) onPath[up.rec] = 0;
    }
    return (node.kids = kids);
  }

  function hasKids(node) {
    return ensureKids(node).length > 0;
  }

  /// The top nodes over `roots`: the roots themselves, or with grouping one
  /// group per package, in name order, each holding its roots.
  function makeTops(roots) {
    if (!state.packages) {
      return roots.map(function (rec) { return new Node(rec, null, inView); });
    }
    var groups = new Map();
    roots.forEach(function (rec) {
      var name = types[rec].package;
      if (!groups.has(name)) groups.set(name, []);
      groups.get(name).push(rec);
    });
    var names = Array.from(groups.keys()).sort(function (a, b) { return a < b ? -1 : a > b ? 1 : 0; });
    return names.map(function (name) {
      var group = new Node(-1, null, inView);
      group.group = name;
      group.kids = groups.get(name).map(function (rec) { return new Node(rec, group, inView); });
      return group;
    });
  }

  /// Opens, depth first, every node under `starts` that `wants` names, until
  /// ROW_LIMIT rows are open. An explicit stack: chains run 100,000 deep.
  function openDown(starts, wants) {
    var stack = [];
    var next = [];
    function enter(node) {
      if (node.rec >= 0) onPath[node.rec] = 1;
      if (!node.open && wants(node)) {
        if (opened >= ROW_LIMIT) {
          truncated = true;
        } else {
          var kids = ensureKids(node, onPath);
          if (kids.length) {
            node.open = true;
            opened += kids.length;
          }
        }
      }
      stack.push(node);
      next.push(0);
    }
    for (var s = 0; s < starts.length; s++) {
      enter(starts[s]);
      while (stack.length) {
        var top = stack.length - 1;
        var node = stack[top];
        if (node.open && next[top] < node.kids.length) {
          enter(node.kids[next[top]++]);
        } else {
          if (node.rec >= 0) onPath[node.rec] = 0;
          stack.pop();
          next.pop();
        }
      }
    }
  }

  /// Lists the visible nodes in order into `rows`.
  function flatten() {
    rows = [];
    var stack = tops.slice().reverse();
    while (stack.length) {
      var node = stack.pop();
      node.row = rows.length;
      rows.push(node);
      if (node.open) for (var i = node.kids.length - 1; i >= 0; i--) stack.push(node.kids[i]);
    }
    matchRows = [];
    if (isMatch) {
      var seen = new Uint8Array(count);
      for (var r = 0; r < rows.length; r++) {
        var rec = rows[r].rec;
        if (rec >= 0 && isMatch[rec] && !seen[rec]) {
          seen[rec] = 1;
          matchRows.push(rows[r]);
        }
      }
    }
    // The scroll height first, so that scrolling to a row can reach it.
    space.style.height = rows.length * rowHeight + 'px';
    if (cursor && rows[cursor.row] !== cursor) {
      // Its subtree was closed: the nearest visible node above takes over.
      while (cursor && rows[cursor.row] !== cursor) cursor = cursor.up;
    }
  }

  function isVisible(node) {
    return node && rows[node.row] === node;
  }

  /// Builds the tree of the current state: the focus narrows the records,
  /// the search narrows them to the matches and their ancestors.
  function buildView() {
    focusUp = base = isMatch = null;
    matchCount = 0;
    if (state.focus >= 0) {
      var seed = new Uint8Array(count);
      seed[state.focus] = 1;
      focusUp = closure(seed, 'parents', null);
      base = closure(seed, 'children', null);
      for (var rec = 0; rec < count; rec++) base[rec] |= focusUp[rec];
    }
    inView = base;
    var query = state.query.trim();
    if (query) {
      isMatch = findMatches(query, base);
      inView = closure(isMatch, 'parents', base);
    }
    viewRoots = findRoots(inView);
    tops = makeTops(viewRoots);
    opened = viewRoots.length;
    truncated = false;
    var wants;
    if (isMatch) {
      // Open down to every match; a match opens when a match lies below it.
      wants = function (node) {
        return node.rec < 0 || (node.canonical &&
            (!isMatch[node.rec] || childIds(node.rec, inView).length > 0));
      };
    } else if (focusUp) {
      // Open down to the focus record and one level below it.
      wants = function (node) {
        return node.rec < 0 || (node.canonical &&
            (focusUp[node.rec] === 1 || (node.up !== null && node.up.rec === state.focus)));
      };
    } else {
      wants = function (node) { return node.depth < OPEN_DEPTH; };
    }
    openDown(tops, wants);
  }

  // Drawing

  function makeRow() {
    var el = element('div', 'row');
    el.setAttribute('role', 'treeitem');
    ['toggle', 'mark', 'name', 'params', 'note', 'mods', 'package'].forEach(function (name) {
      el.appendChild(element('span', name));
    });
    el.firstChild.setAttribute('aria-hidden', 'true');
    space.appendChild(el);
    return el;
  }

  function fillRow(el, node) {
    var parts = el.childNodes;
    var kids = hasKids(node);
    var rec = node.rec;
    var classes = 'row';
    if (node === cursor) classes += ' cursor';
    el.id = 'row-' + node.row;
    el.style.transform = 'translateY(' + node.row * rowHeight + 'px)';
    el.style.paddingLeft = indentOf(node) + 'px';
    el.setAttribute('aria-level', node.depth + 1);
    if (kids) el.setAttribute('aria-expanded', node.open ? 'true' : 'false');
    else el.removeAttribute('aria-expanded');
    parts[0].textContent = kids ? (node.open ? '\u25be' : '\u25b8') : node.cycle ? '\u21bb' : '';
    if (rec < 0) {
      classes += ' group';
      parts[1].className = 'mark';
      parts[1].textContent = '';
      parts[1].hidden = true;
      parts[2].textContent = node.group || '(no package)';
      parts[3].textContent = '';
      parts[4].textContent = node.kids.length + (node.kids.length === 1 ? ' root' : ' roots');
      parts[4].removeAttribute('title');
      parts[5].textContent = '';
      parts[6].textContent = '';
      el.setAttribute('aria-selected', 'false');
    } else {
      var type = types[rec];
      if (rec === selected) classes += ' selected';
      if (isMatch && isMatch[rec]) classes += ' match';
      if (isPlaceholder(rec)) classes += ' placeholder';
      parts[1].hidden = false;
      setMark(parts[1], rec);
      parts[2].textContent = type.name;
      parts[3].textContent = type.typeParameters;
      if (node.depth > INDENT_LEVELS) {
        parts[4].textContent = 'level ' + (node.depth + 1);
        parts[4].removeAttribute('title');
      } else if (node.cycle) {
        parts[4].textContent = 'cycle';
        parts[4].title = 'Already shown above on this path';
      } else if (type.cut) {
        parts[4].textContent = '...';
        parts[4].title = 'Deeper levels left out by --depth';
      } else if (type.parents.length > 1) {
        parts[4].textContent = type.parents.length + ' parents';
        parts[4].title = 'Also under ' + type.parents.filter(function (id) {
          return !node.up || id !== node.up.rec;
        }).map(label).join(', ');
      } else {
        parts[4].textContent = '';
        parts[4].removeAttribute('title');
      }
      parts[5].textContent = type.modifiers;
      parts[6].textContent = state.packages ? '' : type.package;
      el.setAttribute('aria-selected', rec === selected ? 'true' : 'false');
    }
    el.className = classes;
    el.hidden = false;
  }

  /// Draws the rows that the scroll position shows.
  function render() {
    var top = treeEl.scrollTop;
    var first = Math.max(0, Math.floor(top / rowHeight) - OVERSCAN);
    var last = Math.min(rows.length, Math.ceil((top + treeEl.clientHeight) / rowHeight) + OVERSCAN);
    while (pool.length < last - first) pool.push(makeRow());
    for (var i = 0; i < pool.length; i++) {
      if (first + i < last) fillRow(pool[i], rows[first + i]);
      else pool[i].hidden = true;
    }
    if (isVisible(cursor) && cursor.row >= first && cursor.row < last) {
      treeEl.setAttribute('aria-activedescendant', 'row-' + cursor.row);
    } else {
      treeEl.removeAttribute('aria-activedescendant');
    }
  }

  var renderPending = false;
  function renderSoon() {
    if (renderPending) return;
    renderPending = true;
    requestAnimationFrame(function () {
      renderPending = false;
      render();
    });
  }

  function indentOf(node) {
    return 4 + Math.min(node.depth, INDENT_LEVELS) * indent;
  }

  /// Scrolls the node's row into view, its name too when deep rows are
  /// wider than the pane.
  function scrollToNode(node, center) {
    var left = indentOf(node);
    if (left < treeEl.scrollLeft || left > treeEl.scrollLeft + treeEl.clientWidth / 2) {
      treeEl.scrollLeft = Math.max(0, left - 3 * indent);
    }
    var top = node.row * rowHeight;
    var height = treeEl.clientHeight;
    if (center && (top < treeEl.scrollTop || top + rowHeight > treeEl.scrollTop + height)) {
      treeEl.scrollTop = Math.max(0, top - (height - rowHeight) / 2);
    } else if (top < treeEl.scrollTop) {
      treeEl.scrollTop = top;
    } else if (top + rowHeight > treeEl.scrollTop + height) {
      treeEl.scrollTop = top + rowHeight - height;
    }
  }

  function showCount() {
    if (!isMatch) countEl.textContent = '';
    else if (!matchCount) countEl.textContent = 'No match';
    else if (matchIndex >= 0) countEl.textContent = (matchIndex + 1) + ' of ' + matchCount;
    else countEl.textContent = matchCount + (matchCount === 1 ? ' match' : ' matches');
  }

  function showStatus() {
    var text = count + (count === 1 ? ' type' : ' types') + ', ' + data.mode + ' mode';
    if (basePath) text += ', base path ' + basePath;
    if (truncated) text += ' \u2014 stopped opening at ' + ROW_LIMIT + ' rows';
    byId('status').textContent = text;
  }

  function showFocus() {
    var bar = byId('focus-bar');
    bar.hidden = state.focus < 0;
    byId('focus-name').textContent = state.focus >= 0 ? label(state.focus) : '';
  }

  /// Rebuilds the tree after the search, focus or grouping changed. With
  /// `revealing` the selected record is opened and scrolled to; else (while
  /// typing a search) the view starts at its top.
  function rebuild(revealing) {
    buildView();
    cursor = null;
    matchIndex = -1;
    flatten();
    treeEl.scrollTop = 0;
    showCount();
    showFocus();
    showStatus();
    if (selected >= 0) {
      showDetails(selected);
      if (revealing && revealSelected()) return;
      cursor = firstRowOf(selected);
    }
    render();
  }

  // Moving and selecting

  function toggle(node) {
    if (!hasKids(node)) return;
    node.open = !node.open;
    flatten();
    render();
  }

  function moveTo(node) {
    cursor = node;
    scrollToNode(node, false);
    if (node.rec >= 0) select(node.rec, false);
    render();
  }

  function firstRowOf(rec) {
    for (var r = 0; r < rows.length; r++) if (rows[r].rec === rec) return rows[r];
    return null;
  }

  /// Finds a place of the selected record in the tree, opening the nodes on
  /// the way, and puts the cursor there; a record outside the view widens
  /// it first. False when the record has no place.
  function revealSelected() {
    var rec = selected;
    if (inView && !inView[rec]) {
      if (base && !base[rec]) state.focus = -1;
      state.query = searchEl.value = '';
      rebuild(true);
      return true;
    }
    var node = isVisible(cursor) && cursor.rec === rec ? cursor : firstRowOf(rec);
    if (!node) node = openPathTo(rec);
    if (!node) return false;
    flatten();
    cursor = node;
    scrollToNode(node, true);
    render();
    return true;
  }

  /// The node of `rec` at the end of the shortest way from a root (`via`),
  /// with the nodes above it opened.
  function openPathTo(rec) {
    if (via[rec] === -2) return null;
    var chain = [];
    for (var step = rec; step !== -1; step = via[step]) chain.push(step);
    chain.reverse();
    var level = tops;
    if (state.packages) {
      var group = tops.filter(function (top) { return top.group === types[chain[0]].package; })[0];
      group.open = true;
      level = group.kids;
    }
    // The path's records are marked as it goes down, as openDown does, so
    // a deep record costs one pass.
    var node = null;
    for (var c = 0; c < chain.length; c++) {
      if (node) {
        node.open = true;
        level = ensureKids(node, onPath);
      }
      node = level.filter(function (kid) { return kid.rec === chain[c]; })[0];
      onPath[chain[c]] = 1;
    }
    for (c = 0; c < chain.length; c++) onPath[chain[c]] = 0;
    return node;
  }

  /// Moves to the next (1) or previous (-1) match; from none, to the first
  /// or the last.
  function stepMatch(step) {
    var total = matchRows.length;
    if (!total) return;
    if (matchIndex < 0) matchIndex = step > 0 ? 0 : total - 1;
    else matchIndex = (matchIndex + step + total) % total;
    moveTo(matchRows[matchIndex]);
    showCount();
  }

  // Addresses: "#" + the qualified name, "~2" and on for a repeated name.

  function keyOf(rec) {
    return types[rec].qualifiedName || types[rec].name;
  }

  function indexKeys() {
    if (keyIndex) return keyIndex;
    keyIndex = new Map();
    for (var rec = 0; rec < count; rec++) {
      var key = keyOf(rec);
      if (!keyIndex.has(key)) keyIndex.set(key, []);
      keyIndex.get(key).push(rec);
    }
    return keyIndex;
  }

  function hashOf(rec) {
    var same = indexKeys().get(keyOf(rec));
    var place = same.indexOf(rec);
    return '#' + encodeURIComponent(keyOf(rec)) + (place > 0 ? '~' + (place + 1) : '');
  }

  function recordOfHash() {
    var key = location.hash.slice(1);
    try {
      key = decodeURIComponent(key);
    } catch (error) {
      // A hand-written address that is not percent-encoding: read it as is.
    }
    if (!key) return -1;
    var keys = indexKeys();
    if (keys.has(key)) return keys.get(key)[0];
    var repeated = /^([\s\S]*)~(\d+)$/.exec(key);
    var same = repeated && keys.get(repeated[1]);
    return same && same[repeated[2] - 1] !== undefined ? same[repeated[2] - 1] : -1;
  }

  /// Shows `rec` in the details panel and the address bar; `newEntry` adds
  /// a history entry (a followed link), else the address is replaced.
  function select(rec, newEntry) {
    selected = rec;
    showDetails(rec);
    var hash = hashOf(rec);
    if (location.hash === hash) return;
    try {
      if (newEntry) history.pushState(null, '', hash);
      else history.replaceState(null, '', hash);
    } catch (error) {
      // Some file: views refuse address changes; the page works without.
    }
  }

  function follow(rec) {
    select(rec, true);
    revealSelected();
    var heading = details.querySelector('h2');
    if (heading) heading.focus();
  }

  // Details panel

  function addField(list, name, value) {
    if (!value) return;
    list.appendChild(element('dt', '', name));
    list.appendChild(element('dd', '', value));
  }

  function addLinks(list, name, ids) {
    if (!ids.length) return;
    list.appendChild(element('dt', '', name + (ids.length > 1 ? ' (' + ids.length + ')' : '')));
    var holder = element('dd');
    var items = element('ul');
    var fill = function (limit) {
      items.textContent = '';
      for (var i = 0; i < ids.length && i < limit; i++) {
        var link = element('a', '', label(ids[i]));
        link.href = hashOf(ids[i]);
        link.dataset.rec = ids[i];
        var item = element('li');
        item.appendChild(link);
        items.appendChild(item);
      }
    };
    fill(LIST_LIMIT);
    holder.appendChild(items);
    if (ids.length > LIST_LIMIT) {
      var more = element('button', '', 'Show all ' + ids.length);
      more.type = 'button';
      more.addEventListener('click', function () {
        fill(ids.length);
        more.remove();
      });
      holder.appendChild(more);
    }
    list.appendChild(holder);
  }

  function showDetails(rec) {
    var type = types[rec];
    details.textContent = '';
    var heading = element('h2');
    heading.tabIndex = -1;
    var mark = element('span');
    setMark(mark, rec);
    heading.appendChild(mark);
    heading.appendChild(document.createTextNode(label(rec)));
    details.appendChild(heading);

    var actions = element('div', 'actions');
    if (state.focus !== rec) {
      var focus = element('button', '', 'Focus');
      focus.type = 'button';
      focus.title = 'Show only its ancestors and descendants';
      focus.addEventListener('click', function () {
        state.focus = rec;
        rebuild(true);
      });
      actions.appendChild(focus);
    }
    if (state.focus >= 0) {
      var clear = element('button', '', 'Clear focus');
      clear.type = 'button';
      clear.addEventListener('click', clearFocus);
      actions.appendChild(clear);
    }
    details.appendChild(actions);

    var list = element('dl');
    addField(list, 'Kind', isPlaceholder(rec) ? type.kind + ', not declared in these sources' : type.kind);
    addField(list, 'Qualified name', type.qualifiedName);
    addField(list, 'Modifiers', type.modifiers);
    addField(list, 'Annotations', type.annotations);
    addField(list, 'Type parameters', type.typeParameters);
    addField(list, 'Package', type.package);
    var file = type.file.indexOf(basePath) === 0 ? type.file.slice(basePath.length) : type.file;
    if (isPlaceholder(rec)) addField(list, 'Referred to in', file);
    else addField(list, 'File', file + (type.line > 0 ? ':' + type.line : ''));
    addLinks(list, 'Parents', type.parents);
    addLinks(list, 'Interfaces', type.interfaces);
    addLinks(list, 'Permitted subtypes', type.permits);
    addLinks(list, 'Children', type.children);
    details.appendChild(list);
  }

  function clearFocus() {
    state.focus = -1;
    rebuild(true);
  }

  // Events

  function nodeOfEvent(event) {
    var el = event.target.closest('.row');
    return el ? rows[Number(el.id.slice(4))] : null;
  }

  treeEl.addEventListener('scroll', renderSoon);
  window.addEventListener('resize', renderSoon);

  treeEl.addEventListener('click', function (event) {
    var node = nodeOfEvent(event);
    if (!node) return;
    if (event.target.classList.contains('toggle') || node.rec < 0) {
      cursor = node;
      toggle(node);
    } else {
      moveTo(node);
    }
  });

  treeEl.addEventListener('dblclick', function (event) {
    var node = nodeOfEvent(event);
    if (node && node.rec >= 0) toggle(node);
  });

  function toggleByKey(event, node) {
    if (node) toggle(node);
    event.preventDefault();
  }

  treeEl.addEventListener('keydown', function (event) {
    if (!rows.length || event.altKey || event.ctrlKey || event.metaKey) return;
    var node = isVisible(cursor) ? cursor : null;
    var page = Math.max(1, Math.floor(treeEl.clientHeight / rowHeight) - 1);
    var row = node ? node.row : -1;
    switch (event.key) {
      case 'ArrowDown': row = node ? row + 1 : 0; break;
      case 'ArrowUp': row = node ? row - 1 : 0; break;
      case 'PageDown': row += page; break;
      case 'PageUp': row -= page; break;
      case 'Home': row = 0; break;
      case 'End': row = rows.length - 1; break;
      case 'ArrowRight':
        // Opens a closed node, else steps to its first kid.
        if (node && !node.open) return toggleByKey(event, node);
        if (node) row++;
        break;
      case 'ArrowLeft':
        // Closes an open node, else steps to its parent.
        if (node && node.open) return toggleByKey(event, node);
        if (node && node.up) row = node.up.row;
        break;
      case 'Enter':
      case ' ':
        return toggleByKey(event, node);
      default:
        return;
    }
    event.preventDefault();
    moveTo(rows[Math.max(0, Math.min(rows.length - 1, row))]);
  });

  searchEl.addEventListener('input', function () {
    state.query = searchEl.value;
    rebuild(false);
  });

  searchEl.addEventListener('keydown', function (event) {
    switch (event.key) {
      case 'Escape':
        if (searchEl.value) {
          state.query = searchEl.value = '';
          rebuild(true);
        }
        break;
      case 'Enter': stepMatch(event.shiftKey ? -1 : 1); break;
      case 'ArrowDown': stepMatch(1); break;
      case 'ArrowUp': stepMatch(-1); break;
      default: return;
    }
    event.preventDefault();
  });

  document.addEventListener('keydown', function (event) {
    var typing = /^(INPUT|TEXTAREA|SELECT|BUTTON)$/.test(event.target.tagName);
    if (event.key === '/' && !typing) {
      searchEl.focus();
      searchEl.select();
      event.preventDefault();
    }
  });

  details.addEventListener('click', function (event) {
    var link = event.target.closest('a[data-rec]');
    if (!link || event.ctrlKey || event.metaKey || event.shiftKey) return;
    event.preventDefault();
    follow(Number(link.dataset.rec));
  });

  byId('expand-all').addEventListener('click', function () {
    opened = rows.length;
    truncated = false;
    openDown(tops, function () { return true; });
    flatten();
    showStatus();
    render();
  });

  byId('collapse-all').addEventListener('click', function () {
    tops = makeTops(viewRoots);
    cursor = null;
    flatten();
    treeEl.scrollTop = 0;
    render();
  });

  var packagesBox = byId('packages');
  packagesBox.checked = state.packages;
  packagesBox.addEventListener('change', function () {
    state.packages = packagesBox.checked;
    rebuild(true);
  });

  byId('focus-clear').addEventListener('click', clearFocus);

  // Back, forward and an edited address select the record they name.
  function followAddress() {
    var rec = recordOfHash();
    if (rec >= 0 && rec !== selected) {
      select(rec, false);
      revealSelected();
    }
  }
  window.addEventListener('hashchange', followAddress);
  window.addEventListener('popstate', followAddress);

  // Start: the title, the first levels, and the record the address names.
  document.title = settings.title;
  byId('title').textContent = settings.title;
  var start = recordOfHash();
  if (start >= 0) selected = start;
  rebuild(true);
  if (performance.mark) performance.mark('kintree-drawn');
  // The search texts are made once the first rows are drawn, so the first
  // search does not wait for them.
  setTimeout(lowerAll, 0);
})();
