'use strict';
(() => {
  const $ = id => document.getElementById(id);
  const langs = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || 'ja'];
  const ja = /^ja\b/i.test(langs[0] || 'ja');
  const en = {
    connecting: 'Connecting…', live: 'Live', lost: 'Connection lost. Reconnecting…',
    latest: 'Latest number', waiting: 'Waiting for the start', spinning: 'Drawing…',
    finished: 'Bingo End', recent: 'Last five', mine: 'My sheet', code: 'Set code',
    number: 'Sheet number', show: 'Show', forget: 'Clear', board: 'All numbers (called ones filled)',
    codeError: 'The set code was not accepted:', numberError: 'The sheet number was not accepted:',
    sheetName: 'Sheet', star: 'free'
  };
  const jp = {
    connecting: '接続しています…', live: 'ライブ', lost: '接続が切れました。つなぎ直しています…',
    waiting: 'スタートを待っています', spinning: '抽選中', finished: 'Bingo End',
    codeError: '', numberError: '', sheetName: 'シート', star: 'フリー'
  };
  const t = key => (ja ? jp[key] : en[key]) ?? '';
  if (!ja) {
    document.documentElement.lang = 'en';
    document.title = 'Bingo';
    document.querySelectorAll('[data-t]').forEach(e => { if (en[e.dataset.t]) e.textContent = en[e.dataset.t]; });
  }
  const two = n => (n < 10 ? '0' : '') + n;

  let top = -1, cells = [];
  function buildBoard(n) {
    const board = $('board');
    board.textContent = '';
    cells = [];
    for (let i = 0; i <= n; i++) {
      const li = document.createElement('li');
      li.textContent = two(i);
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
    cells.forEach((li, i) => {
      li.className = (on.has(i) ? 'on' : '') + (i === last ? ' last' : '');
      li.title = on.has(i) ? '✓' : '';
    });
    $('state').textContent = g.phase === 'between' ? '' : t(g.phase);
    const latest = $('latest');
    latest.classList.toggle('spin', g.phase === 'spinning');
    latest.textContent = g.phase === 'spinning' ? '…' : last < 0 ? '--' : two(last);
    $('count').textContent = called.length + ' / ' + g.top;
    const recent = $('recent');
    recent.textContent = '';
    called.slice(-5).reverse().forEach(n => {
      const li = document.createElement('li');
      li.textContent = two(n);
      recent.appendChild(li);
    });
  }

  const lineEn = l => l < 5 ? 'row ' + (l + 1) + ' from the top' : l < 10 ? 'column ' + (l - 4) + ' from the left'
    : l === 10 ? 'diagonal (top left to bottom right)' : 'diagonal (top right to bottom left)';
  function verdictEn(s) {
    const head = s.full ? 'BINGO! The whole sheet is complete'
      : s.complete.length ? 'BINGO! ' + s.complete.length + (s.complete.length > 1 ? ' lines' : ' line') + ' complete'
      : s.over ? 'No line complete (game over)'
      : s.reach.length ? 'Reach (no complete line yet)' : 'No complete line yet';
    const lines = s.complete.map(c => 'Complete: ' + lineEn(c.line) + ' (call ' + c.call + ': ' + two(c.number) + ')');
    if (s.full) lines.push('Full: all 24 numbers (call ' + s.full.call + ': ' + two(s.full.number) + ')');
    s.reach.forEach(r => lines.push('Reach: ' + lineEn(r.line) + ' (needs ' + two(r.waitsFor) + ')'));
    s.notDrawn.forEach(r => lines.push('Ended one short: ' + lineEn(r.line) + ' (' + two(r.waitsFor) + ' was not drawn)'));
    if (!lines.length) lines.push('No line is one number short');
    return [head, lines];
  }

  function renderSheet(s) {
    const error = $('sheetError'), box = $('sheetBox');
    if (!s) { error.hidden = true; box.hidden = true; return; }
    if (s.error) {
      error.textContent = (ja ? '' : t(s.field === 'code' ? 'codeError' : 'numberError') + ' ') + s.error;
      error.hidden = false;
      box.hidden = true;
      return;
    }
    error.hidden = true;
    box.hidden = false;
    $('sheetName').textContent = t('sheetName') + ' ' + s.number + ' · ' + s.code;
    const waiting = new Set(s.reach.map(r => r.waitsFor));
    const body = $('sheet').tBodies[0];
    body.textContent = '';
    for (let row = 0; row < 5; row++) {
      const tr = body.insertRow();
      for (let col = 0; col < 5; col++) {
        const c = 5 * col + row, td = tr.insertCell();
        if (c === 12) { td.textContent = '★'; td.className = 'star'; td.title = t('star'); continue; }
        td.textContent = two(s.cells[c]);
        td.className = s.marked[c] ? 'hit' : waiting.has(s.cells[c]) ? 'wait' : '';
      }
    }
    const [head, lines] = ja ? [s.headline, s.details] : verdictEn(s);
    $('headline').textContent = head;
    const details = $('details');
    details.textContent = '';
    lines.forEach(text => { const li = document.createElement('li'); li.textContent = text; details.appendChild(li); });
  }

  const stored = () => ({ code: localStorage.getItem('kavelo.code') || '', sheet: localStorage.getItem('kavelo.sheet') || '' });
  let ws = null, retry = 0, timer = 0;
  function setConn(state) {
    const conn = $('conn');
    conn.className = 'conn ' + state;
    conn.textContent = t(state);
  }
  function connect() {
    clearTimeout(timer);
    if (ws) { ws.onclose = null; ws.close(); }
    const s = stored();
    const query = s.code || s.sheet ? '?code=' + encodeURIComponent(s.code) + '&sheet=' + encodeURIComponent(s.sheet) : '';
    const socket = new WebSocket((location.protocol === 'https:' ? 'wss://' : 'ws://') + location.host + '/live' + query);
    ws = socket;
    socket.onopen = () => { retry = 0; setConn('live'); };
    socket.onmessage = e => { const g = JSON.parse(e.data); renderGame(g); renderSheet(g.sheet); };
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
