'use strict';
// A view of what the caller sends: every text, the sheet's rows and their marks come from it,
// in the language the page asks for.
(() => {
  const $ = id => document.getElementById(id);
  const langs = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || 'ja'];
  const lang = /^ja\b/i.test(langs[0] || 'ja') ? 'ja' : 'en';
  document.documentElement.lang = lang;
  // The last texts the caller sent, for the moments without a connection.
  let texts = {};
  try { texts = JSON.parse(localStorage.getItem('kavelo.texts.' + lang) || '{}'); } catch (e) { texts = {}; }
  const t = key => texts[key] ?? '';
  function applyTexts(next) {
    texts = next;
    localStorage.setItem('kavelo.texts.' + lang, JSON.stringify(next));
    document.title = t('title');
    document.querySelectorAll('[data-t]').forEach(e => { if (texts[e.dataset.t]) e.textContent = texts[e.dataset.t]; });
  }
  if (texts.title) applyTexts(texts);

  // The phone's own token: 128 random bits, kept by this browser only.
  function token() {
    let value = localStorage.getItem('kavelo.token');
    if (!/^[0-9a-f]{32}$/.test(value || '')) {
      const bytes = crypto.getRandomValues(new Uint8Array(16));
      value = Array.from(bytes, b => b.toString(16).padStart(2, '0')).join('');
      localStorage.setItem('kavelo.token', value);
    }
    return value;
  }
  const holdsPhoneSheet = () => localStorage.getItem('kavelo.phone') === '1';

  let top = -1, cells = [];
  function buildBoard(n) {
    const board = $('board');
    board.textContent = '';
    cells = [];
    for (let i = 0; i <= n; i++) {
      const li = document.createElement('li');
      li.textContent = (i < 10 ? '0' : '') + i;
      board.appendChild(li);
      cells.push(li);
    }
    top = n;
  }

  function renderGame(g) {
    if (g.top !== top) buildBoard(g.top);
    const called = g.called;
    const last = called.length ? called[called.length - 1] : -1;
    const on = new Set(called);
    cells.forEach((li, i) => { li.className = (on.has(i) ? 'on' : '') + (i === last ? ' last' : ''); });
    $('state').textContent = g.phase === 'between' ? '' : t(g.phase);
    const latest = $('latest');
    latest.classList.toggle('spin', g.phase === 'spinning');
    latest.textContent = g.phase === 'spinning' ? '…' : last < 0 ? '--' : cells[last].textContent;
    $('count').textContent = called.length + ' / ' + g.top;
    const recent = $('recent');
    recent.textContent = '';
    called.slice(-5).reverse().forEach(n => {
      const li = document.createElement('li');
      li.textContent = cells[n].textContent;
      recent.appendChild(li);
    });
    const hall = $('hall');
    hall.hidden = !g.hall;
    hall.textContent = g.hall || '';
    $('phoneTake').hidden = !g.offer;
    const notice = $('notice');
    notice.hidden = !g.notice;
    notice.textContent = g.notice || '';
    // The caller knows no sheet of this phone's token (a new game): the phone may take one.
    if (g.phone === null) localStorage.removeItem('kavelo.phone');
    $('sheetForm').hidden = !!g.phone;
    $('nameForm').hidden = !g.phone;
    if (g.phone && document.activeElement !== $('name')) $('name').value = g.phone.name;
  }

  function renderSheet(s) {
    const error = $('sheetError'), box = $('sheetBox');
    if (!s) { error.hidden = true; box.hidden = true; return; }
    if (s.error) {
      error.textContent = s.error;
      error.hidden = false;
      box.hidden = true;
      return;
    }
    error.hidden = true;
    box.hidden = false;
    $('sheetName').textContent = s.title;
    const body = $('sheet').tBodies[0];
    body.textContent = '';
    s.rows.forEach(row => {
      const tr = body.insertRow();
      row.forEach(cell => {
        const td = tr.insertCell();
        td.textContent = cell.n;
        td.className = cell.m;
        if (cell.m === 'star') td.title = t('star');
      });
    });
    $('headline').textContent = s.headline;
    const details = $('details');
    details.textContent = '';
    s.details.forEach(text => { const li = document.createElement('li'); li.textContent = text; details.appendChild(li); });
  }

  const stored = () => ({ code: localStorage.getItem('kavelo.code') || '', sheet: localStorage.getItem('kavelo.sheet') || '' });
  let ws = null, retry = 0, timer = 0;
  function setConn(state) {
    const conn = $('conn');
    conn.className = 'conn ' + state;
    conn.textContent = t(state);
  }
  function say(message) { if (ws && ws.readyState === 1) ws.send(message); }
  function connect() {
    clearTimeout(timer);
    if (ws) { ws.onclose = null; ws.close(); }
    const s = stored();
    let query = '?lang=' + lang;
    if (!holdsPhoneSheet() && (s.code || s.sheet)) query += '&code=' + encodeURIComponent(s.code) + '&sheet=' + encodeURIComponent(s.sheet);
    const socket = new WebSocket((location.protocol === 'https:' ? 'wss://' : 'ws://') + location.host + '/live' + query);
    ws = socket;
    socket.onopen = () => {
      retry = 0;
      setConn('live');
      if (holdsPhoneSheet()) say('hold ' + token());
    };
    socket.onmessage = e => {
      const g = JSON.parse(e.data);
      if (g.texts) { applyTexts(g.texts); setConn('live'); }
      renderGame(g);
      renderSheet(g.sheet);
    };
    socket.onclose = () => {
      if (ws !== socket) return;
      ws = null;
      setConn('lost');
      timer = setTimeout(connect, Math.min(5000, 500 * 2 ** retry++));
    };
  }
  const reconnectNow = () => { if (!ws || ws.readyState > 1) { retry = 0; connect(); } };
  document.addEventListener('visibilitychange', () => { if (!document.hidden) reconnectNow(); });
  window.addEventListener('online', reconnectNow);

  const s = stored();
  $('code').value = s.code;
  $('number').value = s.sheet;
  $('take').addEventListener('click', () => {
    localStorage.setItem('kavelo.phone', '1');
    say('take ' + token());
  });
  $('nameForm').addEventListener('submit', e => {
    e.preventDefault();
    say('name ' + $('name').value.trim());
  });
  $('sheetForm').addEventListener('submit', e => {
    e.preventDefault();
    localStorage.setItem('kavelo.code', $('code').value.trim());
    localStorage.setItem('kavelo.sheet', $('number').value.trim());
    connect();
  });
  $('forget').addEventListener('click', () => {
    localStorage.removeItem('kavelo.code');
    localStorage.removeItem('kavelo.sheet');
    $('code').value = $('number').value = '';
    connect();
  });
  connect();
})();
